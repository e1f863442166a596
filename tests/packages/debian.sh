#!/bin/sh
# The Debian package as the README's "Installing" command makes it, put through Debian's own
# checks.
#   sh tests/packages/debian.sh build BUILD_DIR      makes it in BUILD_DIR
#   sh tests/packages/debian.sh lintian BUILD_DIR    lintian with its pedantic and
#       informational tags shown: any tag fails it, but those the package overrides
#   sh tests/packages/debian.sh hardening BUILD_DIR  hardening-check on the programs it
#       installs: PIE, stack protector, read-only relocations and immediate binding
set -eu
[ $# -eq 2 ] || { echo "usage: $0 build|lintian|hardening BUILD_DIR" >&2; exit 2; }
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "$2")

case $1 in
build)
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" -j2
    rm -f "$build"/*.deb
    (cd "$build" && cpack)
    ;;
lintian)
    lintian --pedantic --display-info --info --fail-on error,warning,info,pedantic "$build"/*.deb
    ;;
hardening)
    rm -rf "$build/unpacked"
    dpkg-deb -x "$build"/*.deb "$build/unpacked"
    status=0
    for program in "$build"/unpacked/usr/bin/*; do
        report=$(hardening-check "$program" || true)
        printf '%s\n' "$report"
        for feature in 'Position Independent Executable' 'Stack protected' \
                       'Read-only relocations' 'Immediate binding'; do
            printf '%s\n' "$report" | grep -q "^ $feature: yes" ||
                { echo "FAIL $feature" >&2; status=1; }
        done
    done
    exit "$status"
    ;;
*)
    echo "usage: $0 build|lintian|hardening BUILD_DIR" >&2
    exit 2
    ;;
esac
