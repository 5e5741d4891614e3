# Shared part of the MinGW-w64 toolchain files. The posix thread model gives GoogleTest
# std::mutex; the programs link the C++ runtime statically, so nothing beside them is needed.
set(CMAKE_C_COMPILER ${BNDX_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BNDX_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BNDX_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BNDX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
