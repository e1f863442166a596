#!/bin/sh
# Prints the README's test command, the one that builds and runs every test, as it stands in
# README (the checkout's own if none is named): CI runs exactly that, here and on Debian 13.
set -eu
readme=${1:-$(dirname "$0")/../README.md}
command=$(grep -x 'sh tools/install-deps.sh && .* && ctest --test-dir build --output-on-failure' "$readme" || true)
if [ "$(printf '%s\n' "$command" | grep -c .)" -ne 1 ]; then
    echo "$readme does not hold one test command" >&2
    exit 1
fi
printf '%s\n' "$command"
