#!/bin/sh
# Memory and speed of the built program, measured, and checked against stated goals by figures
# that do not depend on how loaded the machine is:
#  - throughput, as instructions per byte of an information word of 4 MiB (valgrind's callgrind
#    counts instructions, the same on every run of the same binary): at most the goal below, and
#    at most what a minimal C program takes that reads the same input with getchar, counted the
#    same way;
#  - the instructions of the longest session, 22 rotations, at most the goal below;
#  - peak resident memory, reading words of 256 MiB and 1 GiB from a file: below 8 MiB, and not
#    growing with the word; and the answers to them (the word's first 21 characters are ones).
# Every count runs with an empty environment (see the session below). Wall-clock throughput of
# the two big words, MiB/s of bch, of the getchar program and of cat and their ratios, is printed
# as a measurement and checks nothing: it depends on what else the machine runs.
# The goals stand a few percent above the counts of the program as it is (x86-64, Debian 12:
# GCC 12, glibc 2.36), the headroom stated beside each: room for another C library's or
# compiler's paths, none for the program to grow unnoticed. Raise a goal only for a reason, and
# say so. BCH_INSTRUCTION_GOAL sets another session goal: .ci/linux-cross sets each emulated
# processor's, in the same way.
# Usage: bench/memory_and_speed.sh [build/bch [EMULATOR [OPTIONS]]]. Needs a C compiler, GNU time
# and valgrind.
# With qemu-user's command line after the program (a cross build: qemu-arm -L
# /usr/arm-linux-gnueabihf, for example), the program runs emulated. Its memory is then the
# emulator's, the program inside it: only that it does not grow with the word is checked. Its
# speed is the emulator's too, and is printed but held to no goal; its instructions per byte are
# not counted. The session's instructions are its own, counted by qemu (valgrind runs only
# native code): with one instruction per translated block and no jumps from block to block,
# qemu logs every instruction the program executes, its loader and C library included, as
# callgrind counts. They are instructions of another processor: .ci/linux-cross sets the goal
# of each (see the README's section on other processors).
set -eu
program=${1:-build/bch}
[ $# -eq 0 ] || shift # what is left: the emulator's command line, or nothing
memory_limit_kib=8192
# The 22-rotation session: 245,285 instructions today; 256,000 is 4.4% above.
instruction_goal=${BCH_INSTRUCTION_GOAL:-256000}
# The 4 MiB word: 1.534 instructions a byte today; 1.60 is 4.3% above.
per_byte_goal=1.60
per_byte_mib=4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
missed=0
# check WHAT COUNT GOAL: prints the count beside its goal; a count over its goal is reported
# and fails the script at its end.
check() {
    if awk -v count="$2" -v goal="$3" 'BEGIN { exit !(count + 0 <= goal + 0) }'; then
        echo "$1: $2 (goal: at most $3)"
    else
        echo "GOAL MISSED: $1: $2, over the goal of at most $3"
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
# A word of $1 MiB of ones, the rest of its line, then an error at 30 and the closing Enter:
# 21 ones encode to 31 ones (1 + x + ... + x^30 is a multiple of g); the error at 30 is then in
# the parity part: syndrome 0000000001, weight 1, no correction.
write_word() {
    {
        head -c $(($1 * 1048576)) /dev/zero | tr '\0' 1
        printf ' rest of the line\n0000000000000000000000000000001\n\n'
    } >"$input"
}
answers_word() { # $1: the program's output, $2: the word's name
    for line in "Zakodowany ciag (wektor kodowy): 1111111111111111111111111111111" \
        "Odebrany ciag: 1111111111111111111111111111110" "Syndrom odebranego ciagu: 0000000001" \
        "Waga syndromu: 1" "W ciagu informacyjnym nie ma bledu - nie ma potrzeby korekcji" \
        "Koniec programu!"; do
        grep -q -F -- "$line" "$1" || { echo "$2: missing '$line'"; exit 1; }
    done
}
# The instructions of "$@" (native) with standard input from $input and an empty environment:
# the loader and the C library look at every variable when the program starts, and the shell's
# own (some 40) would add 15,000 to 25,000 instructions that depend on where the script runs,
# not on the program. Standard output goes to $work/output.
valgrind=$(command -v valgrind || echo valgrind)
instructions_of() {
    env -i "$valgrind" --tool=callgrind --callgrind-out-file=/dev/null "$@" <"$input" \
        >"$work/output" 2>"$work/callgrind"
    sed -n 's/^==[0-9]*== Collected : //p' "$work/callgrind"
}
input=$work/word

# Throughput as instructions per byte: native only (qemu's count of a word of megabytes would
# take minutes, and the program's loop is the same code on every processor).
if [ $# -eq 0 ]; then
    write_word "$per_byte_mib"
    size=$(wc -c <"$input")
    bch_count=$(instructions_of "$program")
    answers_word "$work/output" "word of $per_byte_mib MiB under callgrind"
    getchar_count=$(instructions_of "$work/getchar")
    per_byte=$(awk -v n="$bch_count" -v s="$size" 'BEGIN { printf "%.3f", n / s }')
    getchar_per_byte=$(awk -v n="$getchar_count" -v s="$size" 'BEGIN { printf "%.3f", n / s }')
    echo "$per_byte_mib MiB word ($size bytes): bch $bch_count instructions, getchar program" \
        "$getchar_count"
    check "bch, instructions a byte" "$per_byte" "$per_byte_goal"
    check "bch, instructions a byte, against the getchar program's" "$per_byte" "$getchar_per_byte"
    rm -f "$input"
fi

# BCH_BENCH_WORDS=0 leaves the big words out, and with them memory and speed: .ci/linux-cross
# does so under every emulator but arm64's, where qemu's memory and speed would tell nothing new
# of the program (the huge word's test bounds its memory on every target).
words="256 1024"
if [ "${BCH_BENCH_WORDS:-1}" = 0 ]; then
    words=
    echo "big words left out (BCH_BENCH_WORDS=0): the session's instructions alone"
fi
previous_rss=
for mib in $words; do
    write_word "$mib"
    size=$(wc -c <"$input")

    start=$(seconds_now)
    /usr/bin/time -f %M -o "$work/rss" "$@" "$program" <"$input" >"$work/output"
    bch_seconds=$(awk -v a="$start" -v b="$(seconds_now)" 'BEGIN { print b - a }')
    getchar_seconds=$(timed "$work/getchar")
    cat_seconds=$(timed cat)
    rss=$(tail -n 1 "$work/rss")

    answers_word "$work/output" "word of $mib MiB"
    # Measured, not checked: wall-clock time depends on the machine's load.
    awk -v mib="$mib" -v rss="$rss" -v size="$size" -v bch="$bch_seconds" \
        -v getchar="$getchar_seconds" -v cat="$cat_seconds" \
        'BEGIN { m = size / 1048576
                 printf "%5d MiB word: peak RSS %5d KiB; MiB/s (measured, not a goal): " \
                        "bch %5.0f, getchar %5.0f, cat %5.0f; bch takes %.2f times getchar, " \
                        "%.2f times cat\n", mib, rss, m / bch, m / getchar, m / cat,
                        bch / getchar, bch / cat }'
    if [ $# -eq 0 ]; then
        check "peak RSS on the $mib MiB word, KiB" "$rss" "$((memory_limit_kib - 1))"
    fi
    if [ -n "$previous_rss" ] && [ "$rss" -gt $((previous_rss + 512)) ]; then
        echo "peak RSS grew with the word: $previous_rss KiB, then $rss KiB"
        exit 1
    fi
    previous_rss=$rss
    rm -f "$input"
done

input=$(dirname "$0")/../tests/transcripts/common/errors_at_0_and_29_uncorrectable.in
if [ $# -eq 0 ]; then
    instructions=$(instructions_of "$program")
else
    emulator=$(command -v "$1")
    shift
    env -i "$emulator" "$@" -singlestep -d exec,nochain -D "$work/blocks" "$program" <"$input" \
        >"$work/output"
    instructions=$(grep -c '^Trace ' "$work/blocks")
fi
[ "$(grep -c '^Przesuniety ciag: ' "$work/output")" -eq 22 ] || { echo "expected 22 rotations"; exit 1; }
check "22-rotation session, instructions" "$instructions" "$instruction_goal"
exit "$missed"
