# Windows tests of the 64-bit build run under wine64 in the build directory's own test
# environment (tests/tools/wine-env). A CTest fixture starts it before the first such test and
# ends its wineserver and display after the last one.
set(BNDX_WINE_ENV ${PROJECT_SOURCE_DIR}/tests/tools/wine-env)
set(BNDX_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BNDX_WINE_ENV} run ${BNDX_WINE_STATE})

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_test(NAME wine_environment_start COMMAND ${BNDX_WINE_ENV} start ${BNDX_WINE_STATE})
    add_test(NAME wine_environment_stop COMMAND ${BNDX_WINE_ENV} stop ${BNDX_WINE_STATE})
    set_tests_properties(wine_environment_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_environment_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# Adds the GoogleTest cases of a Windows test program, one CTest test each. Tests that make
# windows, use the foreground or read the screen take the desktop lock, so they never overlap.
function(bndx_add_wine_tests target)
    cmake_parse_arguments(ARG "DESKTOP" "" "SOURCES" ${ARGN})
    gtest_add_tests(TARGET ${target} SOURCES ${ARG_SOURCES} TEST_LIST cases)
    set_tests_properties(${cases} PROPERTIES
        FIXTURES_REQUIRED wine
        TIMEOUT 120
        ENVIRONMENT "BNDX_DIST_DIR=${BNDX_DIST_DIR}")
    if(ARG_DESKTOP)
        set_tests_properties(${cases} PROPERTIES RESOURCE_LOCK desktop)
    endif()
endfunction()
