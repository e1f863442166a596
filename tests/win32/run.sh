#!/bin/sh
# Builds the Windows program and its tests with mingw-w64 in BUILD_DIR, then runs the tests
# under Wine on an X display of its own, with the desktop at 96, 120, 144 and 192 dpi and the
# French number format. Usage: sh tests/win32/run.sh BUILD_DIR
set -eu

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "$1")
eval "$(sh "$top/tools/wine.sh")"

cmake -S "$top" -B "$build" --toolchain "$top/win32/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
sh "$top/tools/wine-prefix.sh" "$WINEPREFIX"

# The 192-dpi windows reach past 1700 × 950 pixels.
rm -f "$build/display"
Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp 3>"$build/display" </dev/null >/dev/null 2>&1 &
xvfb=$!
stop() {
    "$wineserver" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT
while [ ! -s "$build/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$build/display")"

for dpi in 96 120 144 192; do
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    # Wine 10 reads the density once, when its server and desktop start: both start anew
    # for each density. Server and services start here, not inside a test, whose output
    # CTest would then wait on for as long as they run; nor may they hold this script's output.
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot </dev/null >/dev/null 2>&1
    ctest --test-dir "$build" -L "dpi$dpi" --output-on-failure --timeout 300
done
