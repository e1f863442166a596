#!/bin/sh
# Installs, from Debian's packages, whatever of the build and run dependencies is missing, and
# of the further packages named as arguments (bench/run names those it measures with).
# Runs as root, or through sudo otherwise; installs nothing when all is there.
set -eu

# The build and its tests: compiler, Qt, the two faces the windows are drawn with, the
# checkers of the desktop entry, the metainfo, the Windows resource script and the package,
# and clang with its runtime libraries (libFuzzer, the sanitizers) for the fuzz test.
packages="g++ make cmake qt6-base-dev fonts-liberation2 fonts-dejavu-core
          desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev
          clang libclang-rt-14-dev $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

as_root=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Missing:$missing. Install them as root (there is no sudo here)." >&2
        exit 1
    fi
    as_root="sudo"
fi
echo "Installing:$missing"
$as_root apt-get update
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
