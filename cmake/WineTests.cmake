# Windows tests of the 64-bit build run under wine64 in the build directory's own test
# environment (tests/tools/wine-env). A CTest fixture starts it before the first such test and
# ends its wineserver and display after the last one.
#
# A second environment, with its own state directory, prefix and display, runs at 8 bits per
# pixel (the 256-colour palette path); test programs added with DEPTH8 run there instead.
set(BNDX_WINE_ENV ${PROJECT_SOURCE_DIR}/tests/tools/wine-env)
set(BNDX_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(BNDX_WINE_STATE_DEPTH8 ${CMAKE_BINARY_DIR}/wine-depth8)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BNDX_WINE_ENV} run ${BNDX_WINE_STATE})

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_test(NAME wine_environment_start COMMAND ${BNDX_WINE_ENV} start ${BNDX_WINE_STATE})
    add_test(NAME wine_environment_stop COMMAND ${BNDX_WINE_ENV} stop ${BNDX_WINE_STATE})
    set_tests_properties(wine_environment_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_environment_stop PROPERTIES FIXTURES_CLEANUP wine)

    add_test(NAME wine_environment_depth8_start COMMAND ${BNDX_WINE_ENV} start ${BNDX_WINE_STATE_DEPTH8})
    add_test(NAME wine_environment_depth8_stop COMMAND ${BNDX_WINE_ENV} stop ${BNDX_WINE_STATE_DEPTH8})
    set_tests_properties(wine_environment_depth8_start PROPERTIES
        FIXTURES_SETUP wine_depth8 TIMEOUT 300 ENVIRONMENT "BNDX_DISPLAY_DEPTH=8")
    set_tests_properties(wine_environment_depth8_stop PROPERTIES FIXTURES_CLEANUP wine_depth8)
endif()

# Adds the GoogleTest cases of a Windows test program, one CTest test each. Tests that make
# windows, use the foreground or read the screen take their environment's desktop lock, so
# they never overlap on one desktop. With DEPTH8 every case of the program runs in the 8-bit
# environment; such a program holds only cases meant for that depth.
function(bndx_add_wine_tests target)
    cmake_parse_arguments(ARG "DESKTOP;DEPTH8" "" "SOURCES" ${ARGN})
    gtest_add_tests(TARGET ${target} SOURCES ${ARG_SOURCES} TEST_LIST cases)
    set(fixture wine)
    set(lock desktop)
    set(environment "BNDX_DIST_DIR=${BNDX_DIST_DIR}")
    if(ARG_DEPTH8)
        set(fixture wine_depth8)
        set(lock desktop_depth8)
        # Also in the environment of each case, so that a `run` which finds the display gone
        # starts it again at the same depth.
        list(APPEND environment "BNDX_DISPLAY_DEPTH=8")
        set_target_properties(${target} PROPERTIES
            CROSSCOMPILING_EMULATOR "${BNDX_WINE_ENV};run;${BNDX_WINE_STATE_DEPTH8}")
    endif()
    set_tests_properties(${cases} PROPERTIES
        FIXTURES_REQUIRED ${fixture}
        TIMEOUT 120
        ENVIRONMENT "${environment}")
    if(ARG_DESKTOP)
        set_tests_properties(${cases} PROPERTIES RESOURCE_LOCK ${lock})
    endif()
endfunction()
