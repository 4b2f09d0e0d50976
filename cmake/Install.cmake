# Installs Candlewatcher as a desktop program and packs it as a Debian package:
#   cmake --install build --prefix /usr/local
#   cd build && cpack            (candlewatcher_<version>_<arch>.deb)
# The program keeps its events beside itself only when that folder is writable; from an
# installed, read-only bin folder they go to the per-user data folder.
include(GNUInstallDirs)

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

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "candlewatcher")
set(CPACK_PACKAGE_VENDOR "Marrowfell")
set(CPACK_PACKAGE_CONTACT "${CANDLEWATCHER_SUPPORT_MAIL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "Candlewatcher keeps a list of birthdays, anniversaries and other \
dated events, lives in the system tray and shows a notification when an event is due today or \
soon, and an alert on the day. It starts with the desktop session.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CANDLEWATCHER_WEBSITE_URL}")
# The Qt libraries the program links, found with dpkg-shlibdeps; the SVG image plugin draws the
# icons and is loaded at run time, so its package is named by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Files under /etc are the administrator's: dpkg keeps their changes on upgrade.
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "/etc/xdg/autostart/candlewatcher.desktop\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
include(CPack)
