# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers. The
# posix-thread flavour: Qt needs std::thread and std::mutex, which the win32
# flavour lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

# Libraries and headers come from the MinGW tree and from the cross-built Qt
# (added through CMAKE_PREFIX_PATH); programs run during the build are the
# host's own.
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
# The cross-built Qt, named by CMAKE_PREFIX_PATH, is a root of its own.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
