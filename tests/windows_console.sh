#!/bin/sh
# A session of the Windows program at a Windows console: under Wine, a program started at a
# terminal gets a console, so bch.exe runs in a tmux pane, is typed at by keystrokes, and the
# screen is checked at each prompt and pause ($1: the Wine loader, $2: bch.exe). A console
# hands over whole lines, or parts of a line too long for the program's input buffer: the
# information line here is longer than that, and all of it after the first word must be
# dropped. A second session types Ctrl-Z inside a line. When the program waits cannot be read
# off the kernel here (it waits inside Wine), so every step waits until the screen shows what
# the program writes before its next read.
# Exit status 77 means tmux is missing (BCH_REQUIRE_TERMINAL=1 makes that a failure).
set -eu

loader=$1
program=$2
require=${BCH_REQUIRE_TERMINAL:-0}
fail() {
    echo "FAIL: $1"
    echo "--- screen (without the long line) ---"
    screen_text | grep -v '^xxxxxxxxxx'
    exit 1
}
. "$(dirname "$0")/pane.sh"
count() { screen_text | grep -c -F -- "$1" || true; }
shows() { screen_text | grep -q -F -- "$1"; }
# The last line written ends with $1 (capture-pane drops trailing blanks), and the cursor
# stands in column $2.
waits_at() {
    [ "$(screen_text | sed '/^$/d' | tail -n 1)" = "$1" ] &&
        [ "$(tmux display-message -p '#{cursor_x}')" = "$2" ]
}
# Enter, then wait until rotation $1 stands on the screen above its pause.
enter_until_rotation() {
    tmux send-keys Enter
    wait_until "rotation $1 and its pause" rotations_shown "$1"
}
closing_shown() { shows "Koniec programu!" && waits_at "<Enter>" 0; }
rotations_shown() { [ "$(count 'Przesuniety ciag: ')" = "$1" ] && waits_at "<Enter>" 0; }

sessions=1
tmux -f /dev/null start-server \; set-option -g history-limit 5000 \; \
    new-session -d -x 100 -y 60 "'$loader' '$program'; echo \$? >'$work/status'; sleep 600"
transmitted=1000000000000000000001110110100 # the code vector of 100000000000000000000

wait_until "the first prompt" waits_at "Podaj ciag do wyslania (21 znakow '0' lub '1'):" 48
[ "$(tmux capture-pane -p | sed -n 1p)" = "------------------ Kod BCH ------------------" ] ||
    fail "the banner is not on the first line"

# "10 01", then 131,100 more characters: the line outgrows the 131,072-byte input buffer.
{
    printf '10 01 '
    head -c 131100 /dev/zero | tr '\0' x
} >"$work/line"
tmux load-buffer "$work/line"
tmux paste-buffer
tmux send-keys Enter
wait_until "the error prompt" waits_at "Podaj blad wprowadzony do wektora kodowego:" 44
shows "Zakodowany ciag (wektor kodowy): $transmitted" || fail "code vector of 10"

# One error at 16: five rotations, each followed by a pause; "x" and Enter end two pauses. Had
# the rest of the long line been left, it would have been the error pattern, and what is
# typed here the first pause.
tmux send-keys -l 00000000000000001
enter_until_rotation 1
shows "Odebrany ciag: 1000000000000000100001110110100" || fail "received word"
enter_until_rotation 2
tmux send-keys -l x
enter_until_rotation 4
enter_until_rotation 5
shows "Waga syndromu: 1" || fail "the fifth rotation traps the error"
shows "Koniec procesu" && fail "the correction ended before its last pause"

tmux send-keys Enter
wait_until "the closing pause" closing_shown
shows "Skorygowany ciag: $transmitted" || fail "corrected word"
shows "Nadany ciag:      $transmitted" || fail "transmitted word"
[ "$(count 'Przesuniety ciag: ')" = 5 ] || fail "more than five rotations"
[ ! -e "$work/status" ] || fail "the program ended before the last Enter"
tmux send-keys Enter
wait_until "the program ends after the last Enter" ended
[ "$(cat "$work/status")" = 0 ] || fail "exit status $(cat "$work/status")"

# Ctrl-Z inside a line, after "1 ": the runtime hands over "1 " with no line end, which Ready
# must not take for part of a longer line. It is the only short read at a console that lacks a
# line end (every other read ends its line or fills the buffer), so the only one after which
# the program asks Ready about a console. At Windows' own console, whose runtime drops only
# the rest of that line, a wrong yes would have the program wait for a new line there and drop
# it unseen. Wine's runtime instead ends the input for good: every later read returns the end
# at once. A wrong yes (filled_ set after any read that returned bytes, say) then costs one
# read that returns the end the program's next read would return anyway: two reads either way,
# the same screen, so this session, and no test under Wine, can catch that fault. What it
# checks is what the end shows: no error pattern and no pause waiting. The terminal must pass
# Ctrl-Z on as a key (stty susp), not stop the program.
sessions=2
rm "$work/status"
tmux -f /dev/null new-session -d -x 100 -y 60 \
    "stty susp undef; '$loader' '$program'; echo \$? >'$work/status'; sleep 600"
wait_until "the first prompt" waits_at "Podaj ciag do wyslania (21 znakow '0' lub '1'):" 48
tmux send-keys -l '1 ' \; send-keys C-z \; send-keys -l 1 \; send-keys Enter
wait_until "the program ends at the end of input" ended
shows "Zakodowany ciag (wektor kodowy): $transmitted" || fail "code vector of 1 before Ctrl-Z"
shows "Odebrany ciag: $transmitted" || fail "an error pattern after Ctrl-Z"
[ "$(cat "$work/status")" = 0 ] || fail "exit status $(cat "$work/status") after Ctrl-Z"
echo "Windows console session: all checks passed"
