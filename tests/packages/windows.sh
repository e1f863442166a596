#!/bin/sh
# The Windows program and its installer as the README's Windows command makes them, checked.
#   sh tests/packages/windows.sh build BUILD_DIR NEXT_VERSION
#       makes the program, the zip and the MSI in BUILD_DIR/release; the MSI again as version
#       NEXT_VERSION in BUILD_DIR/next; the program unstripped in BUILD_DIR/unstripped
#   sh tests/packages/windows.sh exe BUILD_DIR
#       the stack protector's and a fortified function's code in the unstripped program;
#       ASLR with high-entropy addresses and DEP in the released one's header
#   sh tests/packages/windows.sh msi BUILD_DIR NAME VERSION PUBLISHER NEXT_VERSION
#       under Wine, on an X display of its own: installs the MSI quietly and asks Windows
#       Installer what it installed (msi_check.cpp), starting the program; installs the next
#       version over it and finds one product; uninstalls it and finds the prefix as it was
set -eu
usage="usage: $0 build BUILD_DIR NEXT_VERSION | exe BUILD_DIR | msi BUILD_DIR NAME VERSION PUBLISHER NEXT_VERSION"
[ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "$2")
toolchain="$top/win32/mingw-w64.cmake"

failures=0
# expect WHAT PATTERN TEXT: TEXT holds a line matching the extended regular expression.
expect() {
    if printf '%s\n' "$3" | grep -Eq "$2"; then
        echo "ok   $1"
    else
        echo "FAIL $1"
        failures=$((failures + 1))
    fi
}

build() {
    next=$1
    cmake -S "$top" -B "$build/release" --toolchain "$toolchain" -DCMAKE_BUILD_TYPE=Release \
          -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build/release" -j2
    rm -rf "$build/next" "$build"/release/*.msi
    (cd "$build/release" && cpack &&
     cpack -G External -R "$next" -D CPACK_PACKAGE_FILE_NAME=next -B "$build/next")
    cmake -S "$top" -B "$build/unstripped" --toolchain "$toolchain" \
          -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build/unstripped" -j2 --target d7aduzad
}

exe() {
    symbols=$(x86_64-w64-mingw32-nm "$build/unstripped/win32/d7aduzad.exe")
    header=$(x86_64-w64-mingw32-objdump -p -h "$build/release/win32/d7aduzad.exe")
    expect "stack protector (__stack_chk_fail)" ' T __stack_chk_fail$' "$symbols"
    # The program's code is compiled to fortify its copies. Where the compiler proves every
    # copy's room, as GCC 14 does for this program, no check is left to link; the same flags
    # must then still check a copy whose room is known only as it runs.
    flags=$(sed -n 's/^CXX_DEFINES = //p; s/^CXX_FLAGS = //p' \
            "$build/unstripped/win32/CMakeFiles/win32forms.dir/flags.make" | tr '\n' ' ')
    expect "the program's code fortified (_FORTIFY_SOURCE)" '_FORTIFY_SOURCE=[23] .*-fstack-protector' "$flags"
    if ! printf '%s\n' "$symbols" | grep -Eq ' T __[a-z0-9]+_chk$'; then
        printf '#include <cstring>\nint main(int n, char **v) { char b[8]; std::memcpy(b, v[0], std::size_t(n)); return b[0]; }\n' \
            >"$build/probe.cpp"
        # shellcheck disable=SC2086 # the flags are words
        x86_64-w64-mingw32-g++-posix $flags -static -o "$build/probe.exe" "$build/probe.cpp"
        symbols=$(x86_64-w64-mingw32-nm "$build/probe.exe")
    fi
    expect "fortified function (__*_chk)" ' T __[a-z0-9]+_chk$' "$symbols"
    expect "ASLR (DYNAMIC_BASE)" '^[[:space:]]+DYNAMIC_BASE$' "$header"
    expect "high-entropy addresses (HIGH_ENTROPY_VA)" '^[[:space:]]+HIGH_ENTROPY_VA$' "$header"
    expect "relocations to move it by (.reloc)" ' \.reloc ' "$header"
    expect "DEP (NX_COMPAT)" '^[[:space:]]+NX_COMPAT$' "$header"
    printf '%s\n' "$header" | grep -E 'DllCharacteristics'
    [ "$failures" -eq 0 ]
}

msi() {
    name=$1 version=$2 publisher=$3 next=$4
    eval "$(sh "$top/tools/wine.sh")"
    x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -DUNICODE -D_UNICODE -municode -static \
        -o "$build/msi_check.exe" "$top/tests/packages/msi_check.cpp" -lmsi -lole32 -luuid
    # Wine's menu builder would copy the shortcut to this machine's own menus.
    export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all \
           WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    rm -rf "$WINEPREFIX"
    sh "$top/tools/wine-prefix.sh" "$WINEPREFIX"
    listing() { (cd "$WINEPREFIX" && find drive_c | sort); }
    listing >"$build/prefix-before"

    rm -f "$build/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$build/display" </dev/null >/dev/null 2>&1 &
    xvfb=$!
    trap '"$wineserver" -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
    while [ ! -s "$build/display" ]; do sleep 0.1; done
    export DISPLAY=":$(cat "$build/display")"
    # Server and services start here, not inside msiexec, whose output would then stay open.
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot </dev/null >/dev/null 2>&1

    step() {
        echo "== $1"
        shift
        "$@" </dev/null || { echo "FAIL exit status $?"; failures=$((failures + 1)); }
    }
    step "install $version" "$wine" msiexec /i "$build/release/$name-$version-win64.msi" /qn
    step "what is installed" "$wine" "$build/msi_check.exe" "$name" "$version" "$publisher"
    step "install $next over it" "$wine" msiexec /i "$build/next/next.msi" /qn
    step "what is installed" "$wine" "$build/msi_check.exe" "$name" "$next" "$publisher"
    step "uninstall" "$wine" msiexec /x "$build/next/next.msi" /qn
    step "what is installed" "$wine" "$build/msi_check.exe" "$name"

    # Wine writes its registry out when its server ends.
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w
    echo "== left in the prefix"
    # Windows Installer's own folders stay, as on Windows, but empty.
    left=$(listing | comm -13 "$build/prefix-before" - |
           grep -Exv 'drive_c/windows/Installer|drive_c/users/[^/]*/AppData/Roaming/Microsoft/Installer' || true)
    left="$left$(grep -il -e "$name" -e "$publisher" "$WINEPREFIX"/*.reg || true)"
    expect "nothing" '^$' "$left"
    [ -z "$left" ] || printf '%s\n' "$left"
    [ "$failures" -eq 0 ]
}

step=$1
shift 2
case $step:$# in
build:1) build "$@" ;;
exe:0) exe ;;
msi:4) msi "$@" ;;
*) echo "$usage" >&2; exit 2 ;;
esac
