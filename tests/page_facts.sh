#!/bin/sh
# web/program/program.js against what the program's headers give ($1: bch_page_facts, $2: the file):
# the file itself must pass the check, the same file with CR LF line ends too (a checkout that
# turned them), and each changed copy below must fail it, so that the check is seen to fail.
set -u
facts=$1
file=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$facts" --check "$file" || exit 1
awk '{ printf "%s\r\n", $0 }' "$file" >"$work/crlf"
"$facts" --check "$work/crlf" || { echo "FAIL: the file with CR LF line ends was refused"; exit 1; }

# Each row: what is changed, and the change (a GNU sed script; none leaves the file empty).
status=0
while IFS='|' read -r what script; do
    if [ -n "$script" ]; then sed -e "$script" "$file" >"$work/copy"; else : >"$work/copy"; fi
    if cmp -s "$file" "$work/copy"; then
        echo "FAIL: the change '$what' left the file as it was"
        status=1
    elif "$facts" --check "$work/copy" >/dev/null 2>&1; then
        echo "FAIL: a copy with $what passed the check"
        status=1
    fi
done <<'ROWS'
a number (the code's length)|s/CODE_LENGTH = 31;/CODE_LENGTH = 32;/
a text (the banner)|s/Kod BCH/Kod BCX/
a coefficient of g(x)|s/GENERATOR = \[1, 1, 1/GENERATOR = [1, 1, 0/
the window's first position|s/WINDOW_FIRST = 21;/WINDOW_FIRST = 20;/
the comment above the module|1s/Generated/generated/
the last line gone|$d
a line more at the end|$a export const MORE = 1;
a blank line inside|5s/$/\n/
nothing at all|
ROWS
rm -f "$work/missing"
"$facts" --check "$work/missing" >/dev/null 2>&1 && { echo "FAIL: a missing file passed"; status=1; }
exit "$status"
