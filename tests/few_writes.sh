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
session=$(dirname "$0")/transcripts/common/errors_at_0_and_29_uncorrectable.in
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# LeakSanitizer cannot run under ptrace; a sanitized build is traced without it.
ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export ASAN_OPTIONS
strace -f -e trace=write,writev -o "$work/trace" "$program" <"$session" >"$work/output"

rotations=$(grep -c '^Przesuniety ciag: ' "$work/output" || true)
grep -q '^Ciagu nie da sie skorygowac!$' "$work/output" || { echo "no uncorrectable verdict"; exit 1; }
[ "$rotations" -eq 22 ] || { echo "expected 22 rotations, saw $rotations"; exit 1; }
writes=$(grep -c -E '^[0-9]+ +(write|writev)\(1,' "$work/trace" || true)
waits=$((2 + rotations + 1))
echo "$writes writes to standard output for $waits waits for input"
[ "$writes" -ge 1 ] && [ "$writes" -le $((waits + 1)) ]
