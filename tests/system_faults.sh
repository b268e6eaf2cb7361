#!/bin/sh
# The program at its door to the system when the system misbehaves, as under a debugger, job
# control or a slow pipe. One session (21 rotations) runs with every other read of standard
# input and every other write interrupted (EINTR, injected by strace once the program waits for
# its first word) and every write taking at most five bytes (tests/faults/short_writes.cpp,
# preloaded): its output must equal the transcript byte for byte. Then a run with standard
# input closed and one whose output goes to a full device both end with status 0, within
# seconds. Exit status 77: strace is missing (BCH_REQUIRE_STRACE=1 makes that a failure).
# Usage: system_faults.sh PROGRAM SHORT_WRITES_LIBRARY [EMULATOR [OPTIONS]]: with qemu-user's
# command line after them, the program runs emulated, and the emulator's reads and writes are
# the program's.
set -eu
program=$1
short_writes=$2
shift 2
emulator="$*"
if [ -z "$emulator" ]; then
    preloaded="env LD_PRELOAD=$short_writes"
else
    preloaded="$emulator -E LD_PRELOAD=$short_writes"
fi
export ASAN_OPTIONS=detect_leaks=0 # LeakSanitizer cannot run under ptrace
transcripts=$(dirname "$0")/transcripts/common
fail() {
    echo "FAIL: $1"
    exit 1
}
if ! command -v strace >/dev/null; then
    echo "skipped: strace is not installed"
    [ "${BCH_REQUIRE_STRACE:-0}" = 1 ] && exit 1
    exit 77
fi
work=$(mktemp -d)
trap 'kill "$pid" "$tracer" 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
pid='' tracer=''

# Polls "$@" every 20 ms for at most 20 seconds.
wait_until() {
    what=$1
    shift
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -lt 1000 ] || fail "gave up waiting: $what"
        sleep 0.02
    done
}
reads_input() { case $(cat "/proc/$pid/syscall" 2>/dev/null) in "0 0x0 "*) ;; *) return 1 ;; esac; }
# In read(0, ...) again since the last look: its count of voluntary context switches (every
# sleep, and every stop for the tracer) has moved on, and held still around the look.
switches() { sed -n 's/^voluntary_ctxt_switches:[[:space:]]*//p' "/proc/$pid/status"; }
last_switches=0
waits_anew() {
    case $(sed -n 's/^State:[[:space:]]*//p' "/proc/$pid/status" 2>/dev/null) in
    "" | Z*) fail "the program ended before its input did" ;;
    esac
    before=$(switches)
    reads_input && [ "$(switches)" = "$before" ] && [ "$before" -gt "$last_switches" ] &&
        last_switches=$before
}
traced() { ! grep -q '^TracerPid:[[:space:]]*0$' "/proc/$pid/status"; }

# 1. Interrupted reads and writes, short writes: nothing may be lost. The session has 24 waits
#    (two words, 21 pauses and the closing one), and each starts with an interrupted read.
session=$transcripts/single_error_at_0
mkfifo "$work/in"
$preloaded "$program" <"$work/in" >"$work/out" &
pid=$!
exec 3>"$work/in"
wait_until "the program waits for its first word" reads_input
strace -o "$work/trace" -p "$pid" -e trace=read,write \
    -e inject=read:error=EINTR:when=1+2 -e inject=write:error=EINTR:when=1+2 2>/dev/null &
tracer=$!
wait_until "strace attaches" traced
# A line at a time, each once the program waits for it, so that every wait is interrupted.
while IFS= read -r line; do
    wait_until "the program waits for a line" waits_anew
    printf '%s\n' "$line" >&3
done <"$session.in"
exec 3>&-
wait "$pid" || fail "exit status $? with faults injected"
wait "$tracer" || true
cmp "$work/out" "$session.out" || fail "the output differs from $session.out"
injected_reads=$(grep -c '^read(0,.*(INJECTED)' "$work/trace" || true)
injected_writes=$(grep -c '^write(1,.*(INJECTED)' "$work/trace" || true)
long_writes=$(grep '^write(1,' "$work/trace" | grep -c -v -E ', [1-5]\) +=' || true)
echo "injected: $injected_reads interrupted reads, $injected_writes interrupted writes;" \
    "$(grep -c '^write(1,' "$work/trace") writes of at most five bytes"
[ "$injected_reads" -ge 24 ] || fail "only $injected_reads reads were interrupted"
[ "$injected_writes" -ge 100 ] || fail "only $injected_writes writes were interrupted"
[ "$long_writes" -eq 0 ] || fail "$long_writes writes were not cut short: the shim is not in place"

# 2. Standard input closed: the input has ended at once; the output is that of empty input.
pid=''
timeout 10 $emulator "$program" <&- >"$work/closed" || fail "exit status $? with standard input closed"
cmp "$work/closed" "$transcripts/end_of_input_before_first_word.out" ||
    fail "with standard input closed the output differs from empty input's"

# 3. A full device: every write fails; the dialogue still runs to its end.
timeout 10 $emulator "$program" <"$session.in" >/dev/full || fail "exit status $? with output to /dev/full"
echo "system faults: all checks passed"
