#!/bin/sh
# Takes the README's pictures of both programs afresh, from QT_BUILD_DIR and WINDOWS_BUILD_DIR,
# into OUT_DIR, and compares them pixel by pixel with dist/screenshots/: a change of pixels
# fails until the pictures are taken again (sh tools/screenshots.sh). They are Debian 12's:
# another release draws with other fonts and another Wine, so there the test is skipped.
#   sh tests/screenshots/run.sh QT_BUILD_DIR WINDOWS_BUILD_DIR OUT_DIR
set -eu
[ $# -eq 3 ] || { echo "usage: $0 QT_BUILD_DIR WINDOWS_BUILD_DIR OUT_DIR" >&2; exit 2; }
top=$(cd "$(dirname "$0")/../.." && pwd)
release=$(. /etc/os-release && echo "$VERSION_ID")
if [ "$release" != 12 ]; then
    echo "screenshots: skipped on Debian $release, the pictures in dist/screenshots/ are Debian 12's"
    exit 77
fi
rm -rf "$3"
sh "$top/tools/screenshots.sh" "$1" "$2" "$3"
sh "$top/tools/compare-screenshots.sh" "$top/dist/screenshots" "$3"
