#!/bin/sh
# Makes a Wine prefix in PREFIX for the Windows program's tests and screenshots, if it is not
# there yet: Wine's own Tahoma and title-bar glyphs installed where Wine looks for them, and
# no window manager expected, so that Wine draws the frames itself and does not wait for one.
# The X display in DISPLAY is needed only to run the programs, not to make the prefix.
# Usage: sh tools/wine-prefix.sh PREFIX
set -eu
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
prefix=$(realpath -m "$1")
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
eval "$(sh "$(dirname "$0")/wine.sh")"

[ -f "$prefix/.ready" ] && exit 0
rm -rf "$prefix"
mkdir -p "$prefix"
"$wine" wineboot --init </dev/null >/dev/null 2>&1
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
"$wineserver" -w
touch "$prefix/.ready"
