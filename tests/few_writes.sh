#!/bin/sh
# The longest session (22 rotations, an uncorrectable word) typed line by line at a terminal,
# with the program under strace and its output on the terminal. Before every wait for input
# (a read of standard input) the text written since the previous wait must have reached the
# terminal in one write, or two where the text outgrew the output buffer; none at all would
# leave a prompt unseen while the program waits. Exit status 77: strace or tmux is missing
# (BCH_REQUIRE_STRACE=1 makes that a failure). Usage: few_writes.sh PROGRAM [EMULATOR [OPTIONS]]:
# with qemu-user's command line after it, the program runs emulated, and the emulator's writes
# and reads are the program's.
set -eu
program=$1
shift
emulator=${1:+$(command -v "$1")}
run="$*"
require=${BCH_REQUIRE_STRACE:-0}
fail() {
    echo "FAIL: $1"
    exit 1
}
. "$(dirname "$0")/pane.sh"
command -v strace >/dev/null || skip "strace is not installed"

# LeakSanitizer cannot run under ptrace; a sanitized build is traced without it.
start_in_pane "ASAN_OPTIONS=detect_leaks=0 strace -e trace=read,write,writev -o '$work/trace' $run '$program'"
settled
session=$(dirname "$0")/transcripts/common/errors_at_0_and_29_uncorrectable.in
lines=$(wc -l <"$session")
typed=0
while IFS= read -r line; do
    [ -z "$line" ] || type_keys "$line"
    typed=$((typed + 1))
    if [ "$typed" -lt "$lines" ]; then
        type_keys Enter
    else
        tmux send-keys Enter # the last one ends the program
    fi
done <"$session"
wait_until "the program ends" ended
[ "$(cat "$work/status")" = 0 ] || fail "exit status $(cat "$work/status")"

rotations=$(screen_text | grep -c '^Przesuniety ciag: ' || true)
[ "$rotations" -eq 22 ] || fail "expected 22 rotations, saw $rotations"
# The writes between successive reads of standard input, one number per wait.
counts=$(awk '/^read\(0,/ { print n; n = 0 } /^(write|writev)\(1,/ { ++n }' "$work/trace" | tr '\n' ' ')
echo "writes before each of the waits: $counts"
waits=$(echo "$counts" | wc -w)
[ "$waits" -eq $((2 + rotations + 1)) ] || fail "expected $((2 + rotations + 1)) waits, saw $waits"
for n in $counts; do
    [ "$n" -ge 1 ] && [ "$n" -le 2 ] || fail "a wait preceded by $n writes"
done
