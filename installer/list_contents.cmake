# Lists what the installer carries, at build time, from the dist folder as it is then:
#   cmake -DDIST_DIR=... -DOUT_DIR=... -P list_contents.cmake
# Writes install_files.nsh (the files, folder by folder), uninstall_files.nsh (exactly those
# files, then their folders deepest first, each removed only if empty) and contents.txt (every
# file with its hash). Each is rewritten only when it changes, so the packages are made again
# only when something they carry has changed.

file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${DIST_DIR} ${DIST_DIR}/*)
list(SORT entries)

# The installed path of an entry of the dist folder, as an NSIS string: NSIS expands $ in every
# string, and Windows names never hold a double quote.
function(installed_path out relative)
    set(path "$INSTDIR")
    if(relative)
        string(REPLACE "$" "$$" escaped "${relative}")
        string(REPLACE "/" "\\" escaped "${escaped}")
        set(path "${path}\\${escaped}")
    endif()
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

set(install "")
set(uninstall "")
set(contents "")
set(folders "")
set(current_folder "-")
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY ${DIST_DIR}/${entry})
        list(APPEND folders ${entry})
        continue()
    endif()
    get_filename_component(folder "${entry}" DIRECTORY)
    installed_path(target "${entry}")
    if(NOT folder STREQUAL current_folder)
        installed_path(target_folder "${folder}")
        string(APPEND install "SetOutPath \"${target_folder}\"\n")
        set(current_folder "${folder}")
    endif()
    string(REPLACE "$" "$$" source "${DIST_DIR}/${entry}")
    string(APPEND install "File \"${source}\"\n")
    string(APPEND uninstall "Delete \"${target}\"\n")
    file(MD5 ${DIST_DIR}/${entry} hash)
    string(APPEND contents "${hash} ${entry}\n")
endforeach()

# Sorted, a folder comes before everything in it; reversed, after.
list(REVERSE folders)
foreach(folder IN LISTS folders)
    installed_path(target "${folder}")
    string(APPEND uninstall "RMDir \"${target}\"\n")
endforeach()

function(write_if_changed name text)
    file(WRITE ${OUT_DIR}/${name}.new "${text}")
    file(COPY_FILE ${OUT_DIR}/${name}.new ${OUT_DIR}/${name} ONLY_IF_DIFFERENT)
    file(REMOVE ${OUT_DIR}/${name}.new)
endfunction()

write_if_changed(install_files.nsh "${install}")
write_if_changed(uninstall_files.nsh "${uninstall}")
write_if_changed(contents.txt "${contents}")
