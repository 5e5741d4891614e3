# The programs a Windows build ships land in dist/<win32|win64>/, the layout that packaging and
# the end-to-end tests rely on.
set(BNDX_DIST_DIR ${PROJECT_SOURCE_DIR}/dist/${BNDX_DIST})

function(bndx_ship target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BNDX_DIST_DIR})
endfunction()
