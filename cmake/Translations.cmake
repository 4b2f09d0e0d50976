# The program's languages. The .ts sources live in translations/; lupdate over the sources of
# core, the network library, the platform's services, the windows and the command line fills
# them (`cmake --build --preset dev --target update_translations`), with each text's source
# locations for the translators to look up; lrelease builds the shipped
# ones into the core library's resources, so the installed program, a portable copy and the
# tests all find them at :/i18n.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# Every language a translator works on.
set(CANDLEWATCHER_LANGUAGES de fr es it pt_BR nl pl ja zh_CN ar)
# The languages the program ships: a language joins only once its .ts is complete (the tests
# check that). English is always shipped; its file holds only the plural forms.
set(CANDLEWATCHER_SHIPPED_LANGUAGES en de fr es pl ar ja zh_CN it pt_BR nl)

set(_cw_ts_folder ${CMAKE_SOURCE_DIR}/translations)
file(GLOB_RECURSE _cw_ts_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/core/*.cpp ${CMAKE_SOURCE_DIR}/src/core/*.h
    ${CMAKE_SOURCE_DIR}/src/ui/*.cpp ${CMAKE_SOURCE_DIR}/src/ui/*.h
    ${CMAKE_SOURCE_DIR}/src/app/*.cpp ${CMAKE_SOURCE_DIR}/src/app/*.h
    ${CMAKE_SOURCE_DIR}/src/cli/*.cpp ${CMAKE_SOURCE_DIR}/src/cli/*.h
    ${CMAKE_SOURCE_DIR}/src/net/*.cpp ${CMAKE_SOURCE_DIR}/src/net/*.h
    # Every platform's folder, so a text only one platform shows is translated everywhere.
    ${CMAKE_SOURCE_DIR}/src/platform/*.cpp ${CMAKE_SOURCE_DIR}/src/platform/*.h)
set(_cw_ts_files)
foreach(_lang IN LISTS CANDLEWATCHER_LANGUAGES)
    list(APPEND _cw_ts_files ${_cw_ts_folder}/candlewatcher_${_lang}.ts)
endforeach()
# Both lupdate runs join the global update_translations target.
qt_add_lupdate(candlewatcher_core TS_FILES ${_cw_ts_files} SOURCES ${_cw_ts_sources}
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src OPTIONS -no-obsolete -locations relative)
qt_add_lupdate(candlewatcher_cli TS_FILES ${_cw_ts_folder}/candlewatcher_en.ts
    SOURCES ${_cw_ts_sources} INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src
    OPTIONS -pluralonly -no-obsolete -locations relative)

set(_cw_shipped_ts)
foreach(_lang IN LISTS CANDLEWATCHER_SHIPPED_LANGUAGES)
    list(APPEND _cw_shipped_ts ${_cw_ts_folder}/candlewatcher_${_lang}.ts)
endforeach()
qt_add_lrelease(candlewatcher_core TS_FILES ${_cw_shipped_ts} QM_FILES_OUTPUT_VARIABLE _cw_qm_files)
# English, read at every start, is stored as it is: unpacking it would bring the decompressor's
# code and buffers into every start for a few kilobytes. The other languages are packed with
# zlib, which Qt Core uses anyway (not zstd, whose library the start does not load otherwise):
# stored as they are, their 0.8 MB in the program's read-only data was resident in every start,
# since the kernel maps the program's file in large pieces around what is read.
set(_cw_qm_english ${_cw_qm_files})
list(FILTER _cw_qm_english INCLUDE REGEX "_en\\.qm$")
list(FILTER _cw_qm_files EXCLUDE REGEX "_en\\.qm$")
qt_add_resources(candlewatcher_core "candlewatcher_translation_en"
    PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${_cw_qm_english} OPTIONS -no-compress)
qt_add_resources(candlewatcher_core "candlewatcher_translations"
    PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${_cw_qm_files}
    OPTIONS -compress-algo zlib -threshold 0)
