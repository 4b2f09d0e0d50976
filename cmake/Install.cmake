# Installs Candlewatcher as a desktop program and packs it as a Debian package:
#   cmake --workflow --preset package    (build-package/candlewatcher_<version>_<arch>.deb)
#   cmake --install build-package --prefix /usr/local --strip
# The program keeps its events beside itself only when that folder is writable; from an
# installed, read-only bin folder they go to the per-user data folder.
include(GNUInstallDirs)

# Who answers for the package (Debian's Maintainer field, the changelog's sign-off), and the id
# that software centres know the program by (AppStream). Each is named here only.
set(CANDLEWATCHER_MAINTAINER "Marrowfell Candlewatcher Maintainers <${CANDLEWATCHER_SUPPORT_MAIL}>")
set(CANDLEWATCHER_APP_ID "io.github.marrowfell.Candlewatcher")
set(CANDLEWATCHER_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/candlewatcher)

# Everything it links besides Qt and libical (system libraries) is built in, so it needs no run
# path of its own.
set_target_properties(candlewatcher PROPERTIES INSTALL_RPATH "")
install(TARGETS candlewatcher RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/candlewatcher.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/candlewatcher.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# A reminder only reminds while it runs, so it starts with the desktop session. XDG autostart
# entries are only looked for in /etc/xdg, so a system install (/usr, as the Debian package does,
# or /usr/local) puts it there; any other prefix (a test install, /opt/...) keeps the entry
# inside, under etc/xdg. The choice is made at install time, when the prefix is known.
set(CANDLEWATCHER_AUTOSTART_FILE ${PROJECT_SOURCE_DIR}/packaging/candlewatcher-autostart.desktop)
install(CODE "
    if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr(/local)?/?$\")
        set(_cw_autostart_dir \"/etc/xdg/autostart\")
    else()
        set(_cw_autostart_dir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_SYSCONFDIR}/xdg/autostart\")
    endif()
    file(INSTALL DESTINATION \"\${_cw_autostart_dir}\" TYPE FILE
         RENAME candlewatcher.desktop FILES \"${CANDLEWATCHER_AUTOSTART_FILE}\")
")

# The release's version and date come from the top entry of the changelog, which must name the
# project's version: a version bump without its changelog entry stops here.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog.in _cw_changelog)
list(GET _cw_changelog 0 _cw_top)
if(NOT _cw_top MATCHES "^candlewatcher \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog.in: the top entry is not version ${PROJECT_VERSION}")
endif()
list(FILTER _cw_changelog INCLUDE REGEX "^ -- ")
list(GET _cw_changelog 0 _cw_signoff)
if(NOT _cw_signoff MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "packaging/changelog.in: no date in \"${_cw_signoff}\"")
endif()
set(_cw_day ${CMAKE_MATCH_1})
set(_cw_year ${CMAKE_MATCH_3})
string(FIND "JanFebMarAprMayJunJulAugSepOctNovDec" "${CMAKE_MATCH_2}" _cw_month)
math(EXPR _cw_month "${_cw_month} / 3 + 101")
string(SUBSTRING "${_cw_month}" 1 2 _cw_month)
set(CANDLEWATCHER_RELEASE_DATE "${_cw_year}-${_cw_month}-${_cw_day}")

# The manual page and Debian's changelog are shipped compressed, without gzip's name and time
# stamp, so that two builds of the same source give the same package.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in
               ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/candlewatcher.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${CANDLEWATCHER_APP_ID}.metainfo.xml @ONLY)
set(_cw_gzipped)
foreach(_cw_source ${PROJECT_SOURCE_DIR}/docs/candlewatcher.1 ${CMAKE_BINARY_DIR}/packaging/changelog)
    get_filename_component(_cw_name ${_cw_source} NAME)
    set(_cw_copy ${CMAKE_BINARY_DIR}/packaging/gz/${_cw_name})
    add_custom_command(OUTPUT ${_cw_copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${_cw_source} ${_cw_copy}
        COMMAND ${GZIP_PROGRAM} -9nf ${_cw_copy}
        DEPENDS ${_cw_source} VERBATIM)
    list(APPEND _cw_gzipped ${_cw_copy}.gz)
endforeach()
add_custom_target(candlewatcher_docs ALL DEPENDS ${_cw_gzipped})

install(FILES ${CMAKE_BINARY_DIR}/packaging/gz/candlewatcher.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/gz/changelog.gz
              ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CANDLEWATCHER_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/packaging/${CANDLEWATCHER_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME candlewatcher)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "candlewatcher")
set(CPACK_PACKAGE_VENDOR "Marrowfell")
set(CPACK_PACKAGE_CONTACT "${CANDLEWATCHER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the description's lines as they are, so they are wrapped here under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "\
Candlewatcher keeps a list of birthdays, anniversaries and other dated events.
It lives in the system tray, checks what is due today or soon, shows a
notification for the coming days and an alert on the day itself. Its main
window lists, adds, edits and duplicates events, and adds special days such as
Christmas from a list of 44. It starts with the desktop session.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CANDLEWATCHER_WEBSITE_URL}")
# The program goes in stripped. (CPack's -dbgsym package of CMake 3.25 is not one lintian
# accepts: its md5sums name build paths and it has no copyright file.)
set(CPACK_STRIP_FILES ON)
# The Qt libraries the program links, found with dpkg-shlibdeps; the SVG image plugin draws the
# icons and is loaded at run time, so its package is named by hand; so is libsecret, which
# QtKeychain loads at run time to reach the desktop's secret service.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libsecret-1-0")
# Qt's own texts (the standard buttons and dialogs) in the user's language; a secret service
# for the subscriptions' passwords.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, gnome-keyring | kwalletmanager")
# Files under /etc are the administrator's: dpkg keeps their changes on upgrade.
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "/etc/xdg/autostart/candlewatcher.desktop\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
include(CPack)
