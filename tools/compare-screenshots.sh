#!/bin/sh
# Compares each PNG picture of DIR_A with the one of the same name in DIR_B, pixel by pixel,
# and names those that differ, are missing from either folder, or are not the same size.
# Exits 1 when any does. Usage: sh tools/compare-screenshots.sh DIR_A DIR_B
set -eu
[ $# -eq 2 ] || { echo "usage: $0 DIR_A DIR_B" >&2; exit 2; }
names=$( (cd "$1" && ls -- *.png; cd "$2" && ls -- *.png) 2>/dev/null | sort -u)
[ -n "$names" ] || { echo "No PNG pictures in $1 or $2" >&2; exit 2; }
differ=0
for name in $names; do
    a=$1/$name b=$2/$name
    if [ ! -f "$a" ] || [ ! -f "$b" ]; then
        echo "$name: in one folder only"
        differ=1
    elif [ "$(identify -format '%wx%h' "$a")" != "$(identify -format '%wx%h' "$b")" ]; then
        echo "$name: sizes $(identify -format '%wx%h' "$a") and $(identify -format '%wx%h' "$b")"
        differ=1
    elif pixels=$(compare -metric AE "$a" "$b" null: 2>&1 | cut -d' ' -f1) && [ "$pixels" != 0 ]; then
        echo "$name: $pixels pixels differ"
        differ=1
    fi
done
[ "$differ" = 1 ] || echo "All pictures are the same."
exit "$differ"
