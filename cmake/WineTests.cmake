# Windows tests of the 64-bit build run under wine64 in the build directory's own test
# environment (scripts/wine-env). A CTest fixture starts it before the first such test and
# ends its wineserver and display after the last one.
#
# Two more environments, each with its own state directory, prefix and display:
#   DEPTH8  runs at 8 bits per pixel (the 256-colour palette path);
#   WIN10   has a prefix that reports Windows 10, where the desktop composes window frames.
# A test program added with one of these words runs all its cases there instead.
set(BNDX_WINE_ENV ${PROJECT_SOURCE_DIR}/scripts/wine-env)
set(BNDX_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BNDX_WINE_ENV} run ${BNDX_WINE_STATE})

# What makes each environment different, as wine-env reads it from its environment.
set(BNDX_WINE_VARIABLES_DEPTH8 "BNDX_DISPLAY_DEPTH=8")
set(BNDX_WINE_VARIABLES_WIN10 "BNDX_WINDOWS_VERSION=win10")

function(bndx_wine_environment fixture state variables)
    add_test(NAME ${fixture}_environment_start COMMAND ${BNDX_WINE_ENV} start ${state})
    add_test(NAME ${fixture}_environment_stop COMMAND ${BNDX_WINE_ENV} stop ${state})
    set_tests_properties(${fixture}_environment_start PROPERTIES
        FIXTURES_SETUP ${fixture} TIMEOUT 300 ENVIRONMENT "${variables}")
    set_tests_properties(${fixture}_environment_stop PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    bndx_wine_environment(wine ${BNDX_WINE_STATE} "")
    bndx_wine_environment(wine_depth8 ${CMAKE_BINARY_DIR}/wine-depth8 "${BNDX_WINE_VARIABLES_DEPTH8}")
    bndx_wine_environment(wine_win10 ${CMAKE_BINARY_DIR}/wine-win10 "${BNDX_WINE_VARIABLES_WIN10}")
endif()

# Adds the GoogleTest cases of a Windows test program, one CTest test each. Tests that make
# windows, use the foreground or read the screen take their environment's desktop lock, so
# they never overlap on one desktop. With DEPTH8 or WIN10 every case of the program runs in that
# environment; such a program holds only cases meant for it.
function(bndx_add_wine_tests target)
    cmake_parse_arguments(ARG "DESKTOP;DEPTH8;WIN10" "" "SOURCES" ${ARGN})
    gtest_add_tests(TARGET ${target} SOURCES ${ARG_SOURCES} TEST_LIST cases)
    set(fixture wine)
    set(lock desktop)
    set(environment "BNDX_DIST_DIR=${BNDX_DIST_DIR}")
    foreach(kind DEPTH8 WIN10)
        if(ARG_${kind})
            string(TOLOWER ${kind} suffix)
            set(fixture wine_${suffix})
            set(lock desktop_${suffix})
            # Also in the environment of each case, so that a `run` which finds the display gone
            # starts it again the same way.
            list(APPEND environment "${BNDX_WINE_VARIABLES_${kind}}")
            set_target_properties(${target} PROPERTIES
                CROSSCOMPILING_EMULATOR "${BNDX_WINE_ENV};run;${CMAKE_BINARY_DIR}/wine-${suffix}")
        endif()
    endforeach()
    set_tests_properties(${cases} PROPERTIES
        FIXTURES_REQUIRED ${fixture}
        TIMEOUT 120
        ENVIRONMENT "${environment}")
    if(ARG_DESKTOP)
        set_tests_properties(${cases} PROPERTIES RESOURCE_LOCK ${lock})
    endif()
endfunction()
