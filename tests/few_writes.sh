#!/bin/sh
# The longest session (22 rotations, an uncorrectable word) under strace: standard output may
# be written at most once per wait for input (two words, one pause per rotation, the closing
# pause), plus once. Exit status 77: strace is missing (BCH_REQUIRE_STRACE=1 makes it a failure).
set -eu
program=$1
if ! command -v strace >/dev/null; then
    echo "skipped: strace is not installed"
    [ "${BCH_REQUIRE_STRACE:-0}" = 1 ] && exit 1
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    printf '101010101011001100111\n1000000000000000000000000000010\n'
    printf '\n%.0s' 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23
} >"$work/input"
strace -f -e trace=write,writev -o "$work/trace" "$program" <"$work/input" >"$work/output"

rotations=$(grep -c '^Przesuniety ciag: ' "$work/output" || true)
grep -q '^Ciagu nie da sie skorygowac!$' "$work/output" || { echo "no uncorrectable verdict"; exit 1; }
[ "$rotations" -eq 22 ] || { echo "expected 22 rotations, saw $rotations"; exit 1; }
writes=$(grep -c -E '^[0-9]+ +(write|writev)\(1,' "$work/trace" || true)
waits=$((2 + rotations + 1))
echo "$writes writes to standard output for $waits waits for input"
[ "$writes" -ge 1 ] && [ "$writes" -le $((waits + 1)) ]
