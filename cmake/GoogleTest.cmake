# GoogleTest from the Debian sources in /usr/src/googletest, built with the project's own
# compiler so that the same tests run natively and, cross-compiled, under wine64.
set(BNDX_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    return() # the 32-bit build is never run here, so it has no unit tests to build
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${BNDX_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
set(BNDX_HAVE_GTEST ON)
