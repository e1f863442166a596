#!/bin/sh
# Prints, as shell assignments, where Debian's Wine loader and server lie: the loader as the
# Windows toolchain names it for CTest, the server beside it. Scripts take them with
#   eval "$(sh tools/wine.sh)"
set -eu
wine=$(sed -n 's/^set(CMAKE_CROSSCOMPILING_EMULATOR \(.*\))$/\1/p' "$(dirname "$0")/../win32/mingw-w64.cmake")
echo "wine=$wine wineserver=$(dirname "$wine")/wineserver"
