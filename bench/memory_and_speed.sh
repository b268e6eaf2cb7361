#!/bin/sh
# Memory and speed of the built program, measured and checked against stated goals:
#  - an information word of 256 MiB, then one of 1 GiB, each read from a file by bch, by a
#    minimal C program that reads with getchar, and by cat: bch's peak resident memory (below
#    8 MiB, not growing with the word), its answers (the word's first 21 characters are ones),
#    and its throughput: at least that of the getchar program and within 3 times cat's time;
#  - the instructions of the longest session, 22 rotations (valgrind's callgrind counts
#    instructions, the same on every run of the same binary), run with an empty environment
#    (below). The goal stands about 1% above the count of the program as it is (247,515
#    instructions on x86-64, Debian 12), room for another machine's C library paths but not for
#    the dialogue to grow unnoticed: raise it only for a reason, and say so. BCH_INSTRUCTION_GOAL
#    sets another goal: .ci/linux-cross sets each emulated processor's, in the same way.
# Usage: bench/memory_and_speed.sh [build/bch [EMULATOR [OPTIONS]]]. Needs a C compiler, GNU time
# and valgrind.
# With qemu-user's command line after the program (a cross build: qemu-arm -L
# /usr/arm-linux-gnueabihf, for example), the program runs emulated. Its memory is then the
# emulator's, the program inside it: only that it does not grow with the word is checked. Its
# speed is the emulator's too, and is printed but held to no goal. Its instructions are its
# own, counted by qemu (valgrind runs only native code): with one instruction per translated
# block and no jumps from block to block, qemu logs every instruction the program executes, its
# loader and C library included, as callgrind counts. They are instructions of another
# processor: .ci/linux-cross sets the goal of each (see the README's section on other
# processors).
set -eu
program=${1:-build/bch}
[ $# -eq 0 ] || shift # what is left: the emulator's command line, or nothing
memory_limit_kib=8192
instruction_goal=${BCH_INSTRUCTION_GOAL:-250000} # x86-64, counted by callgrind

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
missed=0
goal() { # condition text: reports a missed goal and fails the script at its end
    if ! awk "BEGIN { exit !($1) }"; then
        echo "GOAL MISSED: $2"
        missed=1
    fi
}

printf '#include <stdio.h>\nint main(void) { while (getchar() != EOF) {} return 0; }\n' >"$work/getchar.c"
cc -O2 -o "$work/getchar" "$work/getchar.c"

seconds_now() { date +%s.%N; }
# Wall-clock seconds of one run of "$@" with standard input from $input.
timed() {
    start=$(seconds_now)
    "$@" <"$input" >/dev/null
    awk -v a="$start" -v b="$(seconds_now)" 'BEGIN { print b - a }'
}

# BCH_BENCH_WORDS=0 leaves the words out, and with them memory and speed: .ci/linux-cross does
# so under every emulator but arm64's, where qemu's memory and speed would tell nothing new of
# the program (the huge word's test bounds its memory on every target).
words="256 1024"
if [ "${BCH_BENCH_WORDS:-1}" = 0 ]; then
    words=
    echo "words left out (BCH_BENCH_WORDS=0): the instructions alone"
fi
previous_rss=
for mib in $words; do
    input=$work/word
    {
        head -c $((mib * 1048576)) /dev/zero | tr '\0' 1
        printf ' rest of the line\n0000000000000000000000000000001\n\n'
    } >"$input"
    size=$(wc -c <"$input")

    start=$(seconds_now)
    /usr/bin/time -f %M -o "$work/rss" "$@" "$program" <"$input" >"$work/output"
    bch_seconds=$(awk -v a="$start" -v b="$(seconds_now)" 'BEGIN { print b - a }')
    getchar_seconds=$(timed "$work/getchar")
    cat_seconds=$(timed cat)
    rss=$(tail -n 1 "$work/rss")

    # 21 ones encode to 31 ones (1 + x + ... + x^30 is a multiple of g); the error at 30 is then
    # in the parity part: syndrome 0000000001, weight 1, no correction.
    for line in "Zakodowany ciag (wektor kodowy): 1111111111111111111111111111111" \
        "Odebrany ciag: 1111111111111111111111111111110" "Syndrom odebranego ciagu: 0000000001" \
        "Waga syndromu: 1" "W ciagu informacyjnym nie ma bledu - nie ma potrzeby korekcji" \
        "Koniec programu!"; do
        grep -q -F -- "$line" "$work/output" || { echo "word of $mib MiB: missing '$line'"; exit 1; }
    done
    awk -v mib="$mib" -v rss="$rss" -v size="$size" -v bch="$bch_seconds" \
        -v getchar="$getchar_seconds" -v cat="$cat_seconds" \
        'BEGIN { m = size / 1048576
                 printf "%5d MiB word: peak RSS %5d KiB; MiB/s: bch %5.0f, getchar %5.0f, " \
                        "cat %5.0f; bch takes %.2f times getchar, %.2f times cat\n", mib, rss,
                        m / bch, m / getchar, m / cat, bch / getchar, bch / cat }'
    if [ $# -eq 0 ]; then
        goal "$bch_seconds <= $getchar_seconds" "bch slower than getchar on the $mib MiB word"
        goal "$bch_seconds <= 3 * $cat_seconds" "bch over 3 times cat on the $mib MiB word"
        [ "$rss" -lt "$memory_limit_kib" ] || { echo "peak RSS $rss KiB: over $memory_limit_kib KiB"; exit 1; }
    fi
    if [ -n "$previous_rss" ] && [ "$rss" -gt $((previous_rss + 512)) ]; then
        echo "peak RSS grew with the word: $previous_rss KiB, then $rss KiB"
        exit 1
    fi
    previous_rss=$rss
    rm -f "$input"
done

# The session runs with an empty environment: the loader and the C library look at every
# variable when the program starts, and the shell's own (some 40) would add 15,000 to 25,000
# instructions that depend on where the script runs, not on the program.
session=$(dirname "$0")/../tests/transcripts/common/errors_at_0_and_29_uncorrectable.in
if [ $# -eq 0 ]; then
    env -i "$(command -v valgrind)" --tool=callgrind --callgrind-out-file=/dev/null "$program" \
        <"$session" >"$work/output" 2>"$work/callgrind"
    instructions=$(sed -n 's/^==[0-9]*== Collected : //p' "$work/callgrind")
else
    emulator=$(command -v "$1")
    shift
    env -i "$emulator" "$@" -singlestep -d exec,nochain -D "$work/blocks" "$program" <"$session" \
        >"$work/output"
    instructions=$(grep -c '^Trace ' "$work/blocks")
fi
[ "$(grep -c '^Przesuniety ciag: ' "$work/output")" -eq 22 ] || { echo "expected 22 rotations"; exit 1; }
echo "22-rotation session: $instructions instructions (goal: at most $instruction_goal)"
goal "$instructions <= $instruction_goal" "over $instruction_goal instructions"
exit "$missed"
