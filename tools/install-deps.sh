#!/bin/sh
# Installs, from Debian's packages, whatever of the build and run dependencies is missing, and
# of the further packages named as arguments (bench/run names those it measures with).
# Runs as root, or through sudo otherwise; installs nothing when all is there.
set -eu

# The build and its tests: compiler, Qt, the two faces the windows are drawn with, the
# checkers of the desktop entry, the metainfo and the package, and clang with its runtime
# libraries (libFuzzer, the sanitizers) for the fuzz test. The Windows program: the mingw-w64
# compiler and resource compiler, and for its tests Wine with its own Tahoma, an X server
# without a screen, and the French locale.
packages="g++ make cmake qt6-base-dev fonts-liberation2 fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev clang libclang-rt-14-dev
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine64 wine fonts-wine xvfb xauth locales $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
french=fr_FR.UTF-8
has_french() { locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; }
if [ -z "$missing" ] && has_french; then
    exit 0
fi

as_root=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Missing:$missing. Install them as root (there is no sudo here)." >&2
        exit 1
    fi
    as_root="sudo"
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $as_root apt-get update
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
# The Windows tests read and write numbers as the French do.
has_french || $as_root localedef -i fr_FR -f UTF-8 "$french"
