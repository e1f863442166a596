#!/bin/sh
# Opens the Linux program and the Windows one (through Wine) on an X display of its own, shows
# the typical use (x2; 50 45 30 30 40; "Allez On Calcule :)"), and writes four pictures to
# OUT_DIR: each build's main window, and its about window once the text is complete.
#   sh tools/screenshots.sh [QT_BUILD_DIR [WINDOWS_BUILD_DIR [OUT_DIR]]]
# Both builds are made first if they are not there (build/, build-win/, dist/screenshots/).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
qt_build=$(realpath -m "${1:-$top/build}")
win_build=$(realpath -m "${2:-$top/build-win}")
out=$(realpath -m "${3:-$top/dist/screenshots}")
wine=/usr/lib/wine/wine64

sh "$top/tools/install-deps.sh" imagemagick xdotool
[ -x "$qt_build/app/d7aduzad" ] || { cmake -S "$top" -B "$qt_build" && cmake --build "$qt_build" -j2 --target d7aduzad; }
[ -f "$win_build/win32/d7aduzad.exe" ] || {
    cmake -S "$top" -B "$win_build" --toolchain "$top/win32/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$win_build" -j2 --target d7aduzad; }
mkdir -p "$out"

export WINEPREFIX="$win_build/wineprefix" WINEDEBUG=-all LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
sh "$top/tools/wine-prefix.sh" "$WINEPREFIX"
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
xvfb=$!
program=""
stop() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$display_file"
}
trap stop EXIT
while [ ! -s "$display_file" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$display_file")"
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
"$wine" wineboot </dev/null >/dev/null 2>&1
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1

# Both builds open their client area at (387, 190): a point of it, in pixels from its corner.
at() { xdotool mousemove $((387 + $1)) $((190 + $2)) click 1; sleep 0.3; }
type_at() { at "$1" "$2"; xdotool type --delay 50 "$3"; }
window() { xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

shoot() {
    name=$1
    shift
    "$@" </dev/null >/dev/null 2>&1 &
    program=$!
    main=$(window "R7V Lumo Vareroro")
    sleep 1
    at 55 100
    type_at 420 81 50; type_at 420 105 45; type_at 420 129 30; type_at 420 153 30; type_at 420 177 40
    at 232 256
    sleep 0.5
    import -window "$main" "$out/$name.png"
    at 15 -10  # the menu "Plus"
    at 30 12   # its first item, "About"
    about=$(window "About !")
    sleep 14   # 256 characters at 50 ms
    import -window "$about" "$out/$name-about.png"
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=""
}

shoot d7aduzad-linux env QT_QPA_PLATFORM=xcb "$qt_build/app/d7aduzad"
shoot d7aduzad-windows "$wine" "$win_build/win32/d7aduzad.exe"
/usr/lib/wine/wineserver -k 2>/dev/null || true
echo "Pictures in $out:"
ls "$out"
