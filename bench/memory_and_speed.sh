#!/bin/sh
# Memory and speed of the built program, reported and checked:
#  - an information word of 256 MiB, then one of 1 GiB, each read from a file by bch and by
#    cat: bch's peak resident memory (must stay below 8 MiB and not grow with the word), its
#    answers (the word's first 21 characters are ones), and its throughput against cat's;
#  - the instructions of the longest session, 22 rotations (valgrind's callgrind counts
#    instructions, the same on every run of the same binary).
# Usage: bench/memory_and_speed.sh [build/bch]. Needs GNU time and valgrind.
set -eu
program=${1:-build/bch}
memory_limit_kib=8192
instruction_goal=700000

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seconds_now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { print b - a }'; }

previous_rss=
for mib in 256 1024; do
    input=$work/word
    {
        head -c $((mib * 1048576)) /dev/zero | tr '\0' 1
        printf ' rest of the line\n0000000000000000000000000000001\n\n'
    } >"$input"
    size=$(wc -c <"$input")

    start=$(seconds_now)
    /usr/bin/time -f %M -o "$work/rss" "$program" <"$input" >"$work/output"
    bch_seconds=$(elapsed "$start" "$(seconds_now)")
    start=$(seconds_now)
    cat <"$input" >/dev/null
    cat_seconds=$(elapsed "$start" "$(seconds_now)")
    rss=$(tail -n 1 "$work/rss")

    # 21 ones encode to 31 ones (1 + x + ... + x^30 is a multiple of g); the error at 30 is then
    # in the parity part: syndrome 0000000001, weight 1, no correction.
    for line in "Zakodowany ciag (wektor kodowy): 1111111111111111111111111111111" \
        "Odebrany ciag: 1111111111111111111111111111110" "Syndrom odebranego ciagu: 0000000001" \
        "Waga syndromu: 1" "W ciagu informacyjnym nie ma bledu - nie ma potrzeby korekcji" \
        "Koniec programu!"; do
        grep -q -F -- "$line" "$work/output" || { echo "word of $mib MiB: missing '$line'"; exit 1; }
    done
    awk -v mib="$mib" -v rss="$rss" -v size="$size" -v bch="$bch_seconds" -v cat="$cat_seconds" \
        'BEGIN { printf "%5d MiB word: peak RSS %5d KiB, bch %6.2f s (%5.0f MiB/s), " \
                        "cat %5.2f s (%5.0f MiB/s)\n", mib, rss, bch, size / 1048576 / bch,
                        cat, size / 1048576 / cat }'
    [ "$rss" -lt "$memory_limit_kib" ] || { echo "peak RSS $rss KiB: over $memory_limit_kib KiB"; exit 1; }
    if [ -n "$previous_rss" ] && [ "$rss" -gt $((previous_rss + 512)) ]; then
        echo "peak RSS grew with the word: $previous_rss KiB, then $rss KiB"
        exit 1
    fi
    previous_rss=$rss
    rm -f "$input"
done

session=$(dirname "$0")/../tests/transcripts/common/errors_at_0_and_29_uncorrectable.in
valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" <"$session" \
    >"$work/output" 2>"$work/callgrind"
[ "$(grep -c '^Przesuniety ciag: ' "$work/output")" -eq 22 ] || { echo "expected 22 rotations"; exit 1; }
instructions=$(sed -n 's/^==[0-9]*== Collected : //p' "$work/callgrind")
echo "22-rotation session: $instructions instructions (goal: at most $instruction_goal)"
[ "$instructions" -le "$instruction_goal" ] || { echo "over the goal"; exit 1; }
