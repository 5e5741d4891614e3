# The programs a Windows build ships land in dist/<win32|win64>/, the layout that packaging and
# the end-to-end tests rely on.
set(BNDX_DIST_ROOT ${PROJECT_SOURCE_DIR}/dist CACHE PATH "Where the shipped programs land, one folder per build")
set(BNDX_DIST_DIR ${BNDX_DIST_ROOT}/${BNDX_DIST})

function(bndx_ship target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BNDX_DIST_DIR})
endfunction()
