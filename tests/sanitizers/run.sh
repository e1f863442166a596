#!/bin/sh
# Builds the whole project in BUILD_DIR with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs its tests there; any report fails the run.
# Usage: sh tests/sanitizers/run.sh BUILD_DIR
set -eu

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
build=$1

# The inner build leaves out this test and the fuzzer, which would otherwise build again
# inside it.
cmake -S "$here/../.." -B "$build" -DD7ADUZAD_SLOW_TESTS=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -O1" \
    >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure
