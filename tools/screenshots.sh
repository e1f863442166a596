#!/bin/sh
# Opens the Linux program and the Windows one (through Wine) on an X display of its own, shows
# the typical use (x2; 50 45 30 30 40; "Allez On Calcule :)"), and writes eight pictures to
# OUT_DIR: each build's main window, and its about window once the text is complete, at 96 dpi
# (d7aduzad-linux.png, ...) and at 192 dpi (d7aduzad-linux-192dpi.png, ...). Two runs on the
# same builds give the same pixels: compare them with tools/compare-screenshots.sh.
#   sh tools/screenshots.sh [QT_BUILD_DIR [WINDOWS_BUILD_DIR [OUT_DIR]]]
# Both builds are made first if they are not there (build/, build-win/, dist/screenshots/).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
qt_build=$(realpath -m "${1:-$top/build}")
win_build=$(realpath -m "${2:-$top/build-win}")
out=$(realpath -m "${3:-$top/dist/screenshots}")
eval "$(sh "$top/tools/wine.sh")"

sh "$top/tools/install-deps.sh" imagemagick xdotool
[ -x "$qt_build/app/d7aduzad" ] || { cmake -S "$top" -B "$qt_build" && cmake --build "$qt_build" -j2 --target d7aduzad; }
[ -f "$win_build/win32/d7aduzad.exe" ] || {
    cmake -S "$top" -B "$win_build" --toolchain "$top/win32/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$win_build" -j2 --target d7aduzad; }
mkdir -p "$out"

export WINEPREFIX="$win_build/wineprefix" WINEDEBUG=-all LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
# Qt takes its density from QT_SCALE_FACTOR alone, and its looks from no desktop's settings.
unset QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI \
      QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP DESKTOP_SESSION
sh "$top/tools/wine-prefix.sh" "$WINEPREFIX"
work=$(mktemp -d)
# The 192-dpi windows reach past 1700 × 950 pixels.
Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
xvfb=$!
program=""
stop() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    "$wineserver" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Both builds open their client area at (387, 190) at 96 dpi, twice as far at 192: a point of
# it, in pixels from its corner at 96 dpi. The pointer then rests in the screen's far corner,
# away from every window, so that no button shows it hovering.
at() { xdotool mousemove $((scale * (387 + $1))) $((scale * (190 + $2))) click 1; sleep 0.3; }
type_at() { at "$1" "$2"; xdotool type --delay 50 "$3"; }
window() { xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
aside() { xdotool mousemove 2047 1535; }

# settled WINDOW FILE SECONDS: after SECONDS, writes the window to FILE once it looks the same
# twice in a row, a second apart: drawn in full, and for the about window the text complete
# (256 characters, 50 ms each at the least).
settled() {
    sleep "$3"
    import -window "$1" "$work/then.png"
    for _ in $(seq 60); do
        sleep 1
        import -window "$1" "$work/now.png"
        if [ "$(compare -metric AE "$work/now.png" "$work/then.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]; then
            mv "$work/now.png" "$2"
            return
        fi
        mv "$work/now.png" "$work/then.png"
    done
    echo "$2: the window never stopped changing" >&2
    exit 1
}

# shoot NAME COMMAND...: the pictures at the density in dpi (96 or 192).
shoot() {
    name=$1
    shift
    scale=$((dpi / 96))
    suffix=""
    [ "$dpi" = 96 ] || suffix="-${dpi}dpi"
    "$@" </dev/null >/dev/null 2>&1 &
    program=$!
    main=$(window "R7V Lumo Vareroro")
    sleep 1
    at 55 100
    type_at 420 81 50; type_at 420 105 45; type_at 420 129 30; type_at 420 153 30; type_at 420 177 40
    at 232 256
    aside
    settled "$main" "$out/$name$suffix.png" 0.5
    at 15 -10  # the menu "Plus"
    at 30 12   # its first item, "About"
    about=$(window "About !")
    aside
    settled "$about" "$out/$name-about$suffix.png" 12.5
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=""
}

for dpi in 96 192; do
    shoot d7aduzad-linux env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$((dpi / 96)) "$qt_build/app/d7aduzad"
done
desktop='HKCU\Control Panel\Desktop'
# The about box holds the focus, and Wine's caret blinks in it: "-1" keeps it on, still.
"$wine" reg add "$desktop" /v CursorBlinkRate /t REG_SZ /d -1 /f </dev/null >/dev/null 2>&1
for dpi in 96 192; do
    "$wine" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    # Wine 10 reads the density once, when its server and desktop start: both start anew.
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot </dev/null >/dev/null 2>&1
    shoot d7aduzad-windows "$wine" "$win_build/win32/d7aduzad.exe"
done
# The prefix as the script found it: 96 dpi, the caret blinking.
"$wine" reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1
"$wine" reg delete "$desktop" /v CursorBlinkRate /f </dev/null >/dev/null 2>&1 || true
"$wineserver" -k 2>/dev/null || true
echo "Pictures in $out:"
ls "$out"
