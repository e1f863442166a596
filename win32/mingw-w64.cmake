# Builds the Windows program on Debian with mingw-w64 (package g++-mingw-w64-x86-64-posix) and
# runs its tests under Wine:
#   cmake -S . -B build-win --toolchain win32/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Debian's loader for 64-bit Windows programs; /usr/bin/wine wants the 32-bit half as well.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
