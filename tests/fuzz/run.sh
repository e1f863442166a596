#!/bin/sh
# Builds the fuzz target with clang in BUILD_DIR and runs it for SECONDS seconds (60 if not
# given, 0 for no limit) or until it has tried RUNS inputs, if given, whichever comes first, on a
# copy of the seed corpus, so that what it finds stays out of the checkout.
# Usage: sh tests/fuzz/run.sh BUILD_DIR [SECONDS [RUNS]]
set -eu

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [SECONDS [RUNS]]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=${2:-60}
runs=${3:--1}

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

rm -rf "$build/corpus"
cp -R "$here/corpus" "$build/corpus"
# A crash, a leak or an abort from a broken rule or a difference leaves crash-*, leak-* or
# timeout-* in BUILD_DIR; -timeout turns a hang into a failure.
cd "$build"
./fuzz_level -max_total_time="$seconds" -runs="$runs" -timeout=10 -print_final_stats=1 \
    -dict="$here/level.dict" corpus
