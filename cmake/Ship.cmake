# The programs a Windows build ships land in dist/<win32|win64>/, the layout that packaging and
# the end-to-end tests rely on.
set(BNDX_DIST_ROOT ${PROJECT_SOURCE_DIR}/dist CACHE PATH "Where the shipped programs land, one folder per build")
set(BNDX_DIST_DIR ${BNDX_DIST_ROOT}/${BNDX_DIST})

# Everything that lands in the dist folder, and nothing else: `cmake --build --preset win64
# --target shipped` makes the suite without its tests.
add_custom_target(shipped)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(BNDX_PE_FORMAT pe32+)
else()
    set(BNDX_PE_FORMAT pe32)
endif()

# Ships a program or module (into SUBDIR of the dist folder when given) and adds a static check
# of the shipped file: its PE format, its subsystem and the exports named after EXPORTS, which
# must be undecorated in the 32-bit build too.
function(bndx_ship target)
    cmake_parse_arguments(ARG "" "SUBDIR" "EXPORTS" ${ARGN})
    set(dir ${BNDX_DIST_DIR})
    if(ARG_SUBDIR)
        set(dir ${BNDX_DIST_DIR}/${ARG_SUBDIR})
    endif()
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${dir} LIBRARY_OUTPUT_DIRECTORY ${dir})
    add_dependencies(shipped ${target})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        set(kind gui)
    else()
        set(kind dll)
    endif()
    add_test(NAME ${target}_pe_check
        COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/check-pe $<TARGET_FILE:${target}> ${BNDX_PE_FORMAT} ${kind}
                ${ARG_EXPORTS})
endfunction()
