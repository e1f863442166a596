#!/bin/sh
# Builds the site with Emscripten in BUILD_DIR and tests it: the computation compiled to
# WebAssembly under node, then the page in Debian's headless Chromium, audited with axe-core
# (installed from npm into BUILD_DIR). Exits 77, skipped, where Emscripten cannot build it.
# Usage: sh tests/web/run.sh BUILD_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1
version=$(emcc --version 2>/dev/null | grep -o '[0-9]\+\.[0-9]\+\.[0-9]\+' | head -n 1) || true
if [ -z "$version" ] || ! printf '3.1.69\n%s\n' "$version" | sort -C -V; then
    echo "The web page is left out: it needs Emscripten 3.1.69 or later (Debian 13's); here there is ${version:-none}."
    exit 77
fi
mkdir -p "$build"
em++ -std=c++20 -O2 -I "$here/.." -I "$here/../../calc" "$here/tst_calc_wasm.cpp" "$here/../../calc/level.cpp" \
    -o "$build/tst_calc_wasm.js"
node "$build/tst_calc_wasm.js"
emcmake cmake -S "$here/../.." -B "$build/site-build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/site-build" -j2
cp "$here/package.json" "$here/package-lock.json" "$build/"
(cd "$build" && npm ci --no-audit --no-fund --silent)
python3 "$here/test_web.py" "$build/site-build/web/site" "$build/node_modules/axe-core/axe.min.js"
