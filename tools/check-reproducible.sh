#!/usr/bin/env bash
# Builds COMMIT of this checkout (HEAD if none is given) twice, from two fresh clones in
# folders whose names differ in length, with SOURCE_DATE_EPOCH set to the commit's time and the
# README's "Installing" and Windows commands. The Debian package, the Linux program, the
# Windows program, the zip and the MSI must come out the same, byte for byte.
#   bash tools/check-reproducible.sh [COMMIT]
# Needs what those commands need (sh tools/install-deps.sh) and git. Both builds run in this
# shell's time zone and umask: a zip holds local times, and CPack gives the members of the
# .deb's outer archive the modes the umask leaves.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$source_dir" rev-parse --verify "${1:-HEAD}^{commit}")
SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
work=$(mktemp -d "${TMPDIR:-/tmp}/d7aduzad-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
started=$(date +%s)

build() {
    git clone --quiet --no-hardlinks --no-checkout "$source_dir" "$1"
    git -C "$1" checkout --quiet --detach "$commit"
    cd "$1"
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-release -j2 >/dev/null
    (cd build-release && cpack >/dev/null)
    cmake -S . -B build-win --toolchain win32/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
          -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-win -j2 >/dev/null
    (cd build-win && cpack >/dev/null)
}

first=$work/a
second=$work/reproducible-second-build
(build "$first")
(build "$second")

different=0
cd "$first"
for file in build-release/*.deb build-release/app/d7aduzad build-win/win32/d7aduzad.exe \
            build-win/*.zip build-win/*.msi; do
    if cmp -s "$file" "$second/$file"; then
        echo "same       $(sha256sum "$file")"
    else
        echo "DIFFERENT  $file"
        different=1
    fi
done
echo "Two builds of $commit with SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH: $(($(date +%s) - started)) s"
exit "$different"
