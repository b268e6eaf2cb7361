#!/bin/sh
# A session at a real terminal: the program runs in a tmux pane, is driven by keystrokes, and
# the test checks what the screen shows, where the cursor stands and when the program waits.
#
# "The program waits" is read off the kernel, not guessed with a delay: after keys are sent,
# the test waits until the program has read every byte they produced (rchar in /proc/PID/io)
# and is blocked again in read(0, ...) (/proc/PID/syscall starts with "0 0x0 "). Its output
# was written before that read, so the screen is then complete once tmux has drawn it.
# Every wait gives up after $timeout seconds. Exit status 77 means the machine lacks what the
# test needs (set BCH_REQUIRE_TERMINAL=1 to make that a failure).
set -eu

program=$1
timeout=${BCH_TERMINAL_TIMEOUT:-20}

skip() {
    echo "skipped: $1"
    if [ "${BCH_REQUIRE_TERMINAL:-0}" = 1 ]; then exit 1; fi
    exit 77
}
fail() {
    echo "FAIL: $1"
    echo "--- screen ---"
    screen_text
    exit 1
}
command -v tmux >/dev/null || skip "tmux is not installed"

work=$(mktemp -d)
tmux() { command tmux -S "$work/socket" "$@"; }
trap 'tmux kill-server 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM

# A pane of 100 columns. The shell in it runs the program and writes down its exit status.
tmux -f /dev/null new-session -d -x 100 -y 60 "'$program'; echo \$? >'$work/status'; sleep 600"
shell=$(tmux display-message -p '#{pane_pid}')
child_of_shell() { pid=$(cat "/proc/$shell/task/$shell/children" 2>/dev/null) && [ -n "$pid" ]; }
screen_text() { tmux capture-pane -p -S - -E -; } # the whole pane, history included
cursor() { tmux display-message -p '#{cursor_x} #{cursor_y}'; }
bytes_read() { sed -n 's/^rchar: //p' "/proc/$pid/io"; }
count() { screen_text | grep -c -F -- "$1" || true; }

# Polls "$@" every 50 ms until it succeeds; fails the test with $what after $timeout seconds.
wait_until() {
    what=$1
    shift
    deadline=$(($(date +%s) + timeout))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "gave up waiting: $what"
        sleep 0.05
    done
}
blocked_in_read() { case $(cat "/proc/$pid/syscall" 2>/dev/null) in "0 0x0 "*) true ;; *) false ;; esac; }
has_read() { [ "$(bytes_read)" -ge "$1" ]; }
shows() { screen_text | grep -q -F -- "$1"; }
shows_times() { [ "$(count "$1")" -eq "$2" ]; }

# Types the keys (tmux key names: Enter, or literal text with -l) and waits until the
# program has consumed the $2 bytes they make and waits for input again.
typed=0
type_keys() {
    keys=$1
    typed=$((typed + $2))
    if [ "$keys" != Enter ]; then
        tmux send-keys -l "$keys" # the terminal holds the line until Enter
        return
    fi
    tmux send-keys Enter
    wait_until "the program reads $typed bytes" has_read "$typed"
    wait_until "the program waits for input" blocked_in_read
}

wait_until "the program starts" child_of_shell
pid=${pid%% *}
[ -r "/proc/$pid/io" ] && [ -r "/proc/$pid/syscall" ] || skip "/proc/$pid/io or syscall unreadable"

transmitted=1000000000000000000001110110100 # the code vector of 100000000000000000000

# 1. Before anything is typed: the banner, the ruler and the prompt, the ruler exactly above
#    the place where the user types.
wait_until "the first prompt" shows "Podaj ciag do wyslania (21 znakow '0' lub '1'):"
wait_until "the program waits for the information word" blocked_in_read
set -- $(cursor)
[ "$1" -eq 48 ] || fail "cursor in column $1, expected 48"
# Screen lines are numbered from 1 and cursor rows from 0: line $2 is the row above the cursor.
ruler=$(tmux capture-pane -p | sed -n "${2}p")
[ "$ruler" = "$(printf '%48s' '')_____________________" ] || fail "ruler above the cursor: '$ruler'"
[ "$(tmux capture-pane -p | sed -n 1p)" = "------------------ Kod BCH ------------------" ] ||
    fail "banner is not on the first line"

# 2. Enter on blank lines: the program goes on waiting and writes no new prompt.
type_keys Enter 1
type_keys Enter 1
type_keys Enter 1
shows_times "Podaj ciag do wyslania" 1 || fail "the prompt was written again"
shows "Zakodowany" && fail "blank lines were taken as a word"

# 3. Two words on one line: the first is the information word, the second is discarded and the
#    program waits for the error pattern below its own ruler.
type_keys "  10 01" 7
type_keys Enter 1
shows "Zakodowany ciag (wektor kodowy): $transmitted" || fail "code vector of 10"
shows "Odebrany" && fail "the second word was taken as the error pattern"
set -- $(cursor)
[ "$1" -eq 44 ] || fail "cursor in column $1, expected 44 after the error prompt"
ruler=$(tmux capture-pane -p | sed -n "${2}p")
[ "$ruler" = "$(printf '%44s' '')_______________________________" ] || fail "error ruler: '$ruler'"

# 4. A single error at position 16 is trapped after five rotations. Each rotation is followed
#    by a pause that waits for Enter; "x" and Enter at a pause end that pause and the next.
type_keys 00000000000000001 17
type_keys Enter 1
shows "Odebrany ciag: 1000000000000000100001110110100" || fail "received word"
shows_times "Przesuniety ciag: " 1 || fail "expected one rotation on the screen"
type_keys Enter 1
shows_times "Przesuniety ciag: " 2 || fail "expected two rotations after one Enter"
type_keys x 1
type_keys Enter 1
shows_times "Przesuniety ciag: " 4 || fail "expected 'x' Enter to end two pauses"
shows "Koniec procesu" && fail "the correction ended before its last pause"
type_keys Enter 1
shows_times "Przesuniety ciag: " 5 || fail "expected five rotations"
shows "Waga syndromu: 1" || fail "the last rotation traps the error"
shows "Koniec procesu" && fail "the last rotation has no pause"

# 5. The correction's result, then the closing pause, which waits for Enter.
type_keys Enter 1
shows "Skorygowany ciag: $transmitted" || fail "corrected word"
shows "Nadany ciag:      $transmitted" || fail "transmitted word"
shows "Koniec programu!" || fail "closing text"
[ ! -e "$work/status" ] || fail "the program ended before the last Enter"
tmux send-keys Enter
ended() { [ -s "$work/status" ]; }
wait_until "the program ends after the last Enter" ended
status=$(cat "$work/status")
[ "$status" = 0 ] || fail "exit status $status"
echo "terminal session: all checks passed"
