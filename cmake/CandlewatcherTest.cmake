# cw_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>] [DISPLAY])
# One Qt Test executable per part of the program, run by CTest. Tests without DISPLAY run on the
# offscreen platform; DISPLAY tests expect a real X server (see tests/x11).
# Shared fixtures (tests/common) that hold Q_OBJECT classes go in SOURCES as
# ${CW_TEST_COMMON}/<file>.h, so moc sees them.
set(CW_TEST_COMMON ${PROJECT_SOURCE_DIR}/tests/common)
function(cw_add_test name)
    cmake_parse_arguments(ARG "DISPLAY" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_DISPLAY)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    # A Windows build's test runs under Wine, in the prefix tests/wine makes first.
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wineprefix)
    endif()
    # Labelled by the part of the program it tests ("core/store", "ui/dialogs", "cli"), so a
    # failing run's label summary says which part failed and a part can be run alone (ctest -L).
    file(RELATIVE_PATH part ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
    set_tests_properties(${name} PROPERTIES LABELS "${part};${ARG_LABELS}")
endfunction()
