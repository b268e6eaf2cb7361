#!/bin/sh
# A session at a real terminal: the program runs in a tmux pane, is driven by keystrokes, and
# the test checks what the screen shows, where the cursor stands and when the program waits.
# When it waits is read off the kernel and off what tmux has drawn (tests/pane.sh), not
# guessed with a delay. Last, the same program reads from a pipe whose line arrives in two
# parts. Exit status 77 means the machine lacks what the test needs (set
# BCH_REQUIRE_TERMINAL=1 to make that a failure).
# Usage: terminal_session.sh PROGRAM [EMULATOR [OPTIONS]]: with qemu-user's command line after
# it, the program runs emulated.
set -eu

program=$1
shift
emulator=${1:+$(command -v "$1")}
run="$*" # the emulator's command line, before the program in every run
require=${BCH_REQUIRE_TERMINAL:-0}
fail() {
    echo "FAIL: $1"
    echo "--- screen ---"
    screen_text
    exit 1
}
. "$(dirname "$0")/pane.sh"
cursor() { tmux display-message -p '#{cursor_x} #{cursor_y}'; }
count() { screen_text | grep -c -F -- "$1" || true; }
shows() { screen_text | grep -q -F -- "$1"; }
shows_times() { [ "$(count "$1")" -eq "$2" ]; }

start_in_pane "$run '$program'"

transmitted=1000000000000000000001110110100 # the code vector of 100000000000000000000

# 1. Before anything is typed: the banner, the ruler and the prompt, the ruler exactly above
#    the place where the user types.
settled
shows "Podaj ciag do wyslania (21 znakow '0' lub '1'):" || fail "the first prompt"
set -- $(cursor)
[ "$1" -eq 48 ] || fail "cursor in column $1, expected 48"
# Screen lines are numbered from 1 and cursor rows from 0: line $2 is the row above the cursor.
ruler=$(tmux capture-pane -p | sed -n "${2}p")
[ "$ruler" = "$(printf '%48s' '')_____________________" ] || fail "ruler above the cursor: '$ruler'"
[ "$(tmux capture-pane -p | sed -n 1p)" = "------------------ Kod BCH ------------------" ] ||
    fail "banner is not on the first line"

# 2. Enter on blank lines: the program goes on waiting and writes no new prompt.
type_keys Enter
type_keys Enter
type_keys Enter
shows_times "Podaj ciag do wyslania" 1 || fail "the prompt was written again"
shows "Zakodowany" && fail "blank lines were taken as a word"

# 3. A word, a blank and Ctrl-D: the terminal hands over "1 " with no line end. The program
#    takes the word and waits for the error pattern at once; the line typed next is that
#    pattern, not the rest of the first line. (Its "zz" holds no '1': no error.)
type_keys "1 "
type_keys C-d
shows "Zakodowany ciag (wektor kodowy): $transmitted" || fail "code vector of 1 after Ctrl-D"
set -- $(cursor)
[ "$1" -eq 44 ] || fail "cursor in column $1, expected 44 after the error prompt"
ruler=$(tmux capture-pane -p | sed -n "${2}p")
[ "$ruler" = "$(printf '%44s' '')_______________________________" ] || fail "error ruler: '$ruler'"
type_keys zz
type_keys Enter
shows "Odebrany ciag: $transmitted" || fail "the line after Ctrl-D is the error pattern"
tmux send-keys Enter
wait_until "the first run ends" ended
[ "$(cat "$work/status")" = 0 ] || fail "exit status $(cat "$work/status") of the first run"

# A second run in a new pane for the rest of the session.
tmux kill-server
rm -f "$work/status" "$work/go" "$work/pane"
markers=0 switches_at_last_wait=0
start_in_pane "$run '$program'"
settled

# 4. Two words on one line: the first is the information word, the second is discarded and
#    the program waits for the error pattern below its own ruler.
type_keys "  10 01"
type_keys Enter
shows "Zakodowany ciag (wektor kodowy): $transmitted" || fail "code vector of 10"
shows "Odebrany" && fail "the second word was taken as the error pattern"
set -- $(cursor)
[ "$1" -eq 44 ] || fail "cursor in column $1, expected 44 after the error prompt"

# 5. A single error at position 16 is trapped after five rotations. Each rotation is followed
#    by a pause that waits for Enter; "x" and Enter at a pause end that pause and the next.
type_keys 00000000000000001
type_keys Enter
shows "Odebrany ciag: 1000000000000000100001110110100" || fail "received word"
shows_times "Przesuniety ciag: " 1 || fail "expected one rotation on the screen"
type_keys Enter
shows_times "Przesuniety ciag: " 2 || fail "expected two rotations after one Enter"
type_keys x
type_keys Enter
shows_times "Przesuniety ciag: " 4 || fail "expected 'x' Enter to end two pauses"
shows "Koniec procesu" && fail "the correction ended before its last pause"
type_keys Enter
shows_times "Przesuniety ciag: " 5 || fail "expected five rotations"
shows "Waga syndromu: 1" || fail "the last rotation traps the error"
shows "Koniec procesu" && fail "the last rotation has no pause"

# 6. The correction's result, then the closing pause, which waits for Enter.
type_keys Enter
shows "Skorygowany ciag: $transmitted" || fail "corrected word"
shows "Nadany ciag:      $transmitted" || fail "transmitted word"
shows "Koniec programu!" || fail "closing text"
[ ! -e "$work/status" ] || fail "the program ended before the last Enter"
tmux send-keys Enter
wait_until "the program ends after the last Enter" ended
status=$(cat "$work/status")
[ "$status" = 0 ] || fail "exit status $status"

# 7. A pipe whose line arrives in two parts: "1 " first, the rest only once the program waits
#    again. The discard drops only what has arrived, so the error prompt is written without
#    waiting for the line end, and the rest ("zz", then "0") is what the program reads next.
mkfifo "$work/fifo"
$run "$program" <"$work/fifo" >"$work/piped" &
exec 3>"$work/fifo"
pid=$! switches_at_last_wait=0
wait_until "the program waits for the first part" waits_anew
printf '1 ' >&3
# The discard must not wait, neither for the line end nor a while for more to arrive: the
# first sleep after "1 " arrives is in the read of the error pattern.
wait_until "the program sleeps after the first part" slept
reads_input || fail "the program sleeps outside the read ($(cat "/proc/$pid/syscall")): the discard waits"
wait_until "the program waits after the first part" waits_anew
grep -q -F "Podaj blad wprowadzony do wektora kodowego: " "$work/piped" ||
    fail "the error prompt waits for the rest of the line"
printf 'zz\n0\n\n' >&3
exec 3>&-
wait "$pid" || fail "exit status $? from a pipe"
grep -q -F "Odebrany ciag: $transmitted" "$work/piped" || fail "the rest was not the error pattern"

# 8. A reader that goes away while the program waits: its writes fail from then on, but the
#    run still ends with status 0 (a broken pipe does not kill it).
mkfifo "$work/in" "$work/out"
$run "$program" <"$work/in" >"$work/out" &
exec 3>"$work/in" 4<"$work/out"
pid=$! switches_at_last_wait=0
wait_until "the program waits with a reader" waits_anew
exec 4<&-
printf '1\n0\n\n' >&3
exec 3>&-
wait "$pid" || fail "exit status $? after the reader went away"
echo "terminal session: all checks passed"
