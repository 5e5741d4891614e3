# The programs a Windows build ships land in dist/<win32|win64>/, the layout that packaging and
# the end-to-end tests rely on.
set(BNDX_DIST_ROOT ${PROJECT_SOURCE_DIR}/dist CACHE PATH "Where the shipped programs land, one folder per build")
set(BNDX_DIST_DIR ${BNDX_DIST_ROOT}/${BNDX_DIST})

# Everything that lands in the dist folder, and nothing else: `cmake --build --preset win64
# --target shipped` makes the suite without its tests.
add_custom_target(shipped)

# The oldest Windows each build runs on. The 32-bit build needs Windows XP: common controls 6,
# which the manifests ask for, came with it; what came later (the DPI settings of the manifests,
# the desktop composition library) is used where present and left alone where not. The 64-bit
# build runs on the first Windows for x64, XP x64 and Server 2003 (5.2). The headers of
# everything built say so, the Windows headers offer nothing newer, and check-pe holds the
# shipped files to it.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(BNDX_PE_FORMAT pe32+)
    set(BNDX_OLDEST_WINDOWS 5.2)
else()
    set(BNDX_PE_FORMAT pe32)
    set(BNDX_OLDEST_WINDOWS 5.1)
endif()
string(REPLACE "." ";" oldest ${BNDX_OLDEST_WINDOWS})
list(GET oldest 0 major)
list(GET oldest 1 minor)
add_compile_definitions(_WIN32_WINNT=0x0${major}0${minor} WINVER=0x0${major}0${minor})
add_link_options(-Wl,--major-os-version,${major},--minor-os-version,${minor}
                 -Wl,--major-subsystem-version,${major},--minor-subsystem-version,${minor})

# Small over fast: the programs wait on the window system, not on their own code; unused
# functions and data are left out of the programs (see bndx_ship).
add_compile_options(-Os -ffunction-sections
                    $<$<COMPILE_LANGUAGE:CXX>:-include${PROJECT_SOURCE_DIR}/platform/runtime/strings_in_place.h>)

# The symbols split off the shipped programs, for reading a crash report against.
set(BNDX_SYMBOLS_DIR ${CMAKE_BINARY_DIR}/symbols)

# Ships a program or module (into SUBDIR of the dist folder when given) and adds a static check
# of the shipped file: its PE format, its subsystem, the oldest Windows it names and what it
# imports, no debug information, and the exports named after EXPORTS, which must be undecorated
# in the 32-bit build too.
function(bndx_ship target)
    cmake_parse_arguments(ARG "" "SUBDIR" "EXPORTS" ${ARGN})
    set(dir ${BNDX_DIST_DIR})
    if(ARG_SUBDIR)
        set(dir ${BNDX_DIST_DIR}/${ARG_SUBDIR})
    endif()
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${dir} LIBRARY_OUTPUT_DIRECTORY ${dir})
    add_dependencies(shipped ${target})
    # What is linked with -s has nothing to split off. The rest ships stripped; its debug
    # information stays in the build folder, named by a debug link in the shipped file.
    get_target_property(options ${target} LINK_OPTIONS)
    if(NOT "-s" IN_LIST options)
        target_link_options(${target} PRIVATE -Wl,--gc-sections)
        set(symbols ${BNDX_SYMBOLS_DIR}/$<TARGET_FILE_NAME:${target}>.debug)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E make_directory ${BNDX_SYMBOLS_DIR}
            COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${symbols}
            COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${symbols} $<TARGET_FILE:${target}>
            VERBATIM)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        set(kind gui)
    else()
        set(kind dll)
    endif()
    add_test(NAME ${target}_pe_check
        COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/check-pe --windows ${BNDX_OLDEST_WINDOWS} $<TARGET_FILE:${target}>
                ${BNDX_PE_FORMAT} ${kind} ${ARG_EXPORTS})
endfunction()
