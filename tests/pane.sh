# Sourced by the terminal tests: runs a command in a tmux pane and tells, from the kernel and
# from what tmux has drawn, when the program in it waits for input with its output on screen.
# No guessed delays: every wait polls a condition and gives up after $timeout seconds.
# The sourcing script sets $program and defines fail; skip() exits 77 unless $require is 1.

timeout=${BCH_TERMINAL_TIMEOUT:-20}
skip() {
    echo "skipped: $1"
    if [ "${require:-0}" = 1 ]; then exit 1; fi
    exit 77
}
command -v tmux >/dev/null || skip "tmux is not installed"

work=$(mktemp -d)
# Every session has a tmux server of its own, on a socket of its own: a server that is still
# shutting down after kill-server must not be the one the next session's client reaches.
sessions=0
tmux() { command tmux -S "$work/socket.$sessions" "$@"; }
kill_servers() {
    for socket in "$work"/socket.*; do
        command tmux -S "$socket" kill-server 2>/dev/null || true
    done
}
trap 'kill_servers; rm -rf "$work"' EXIT INT TERM

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

# Starts "$1" (a shell command line that runs $program) in a pane of 100 x 60. The pane's
# output is copied to $work/pane before the command starts, and the command's exit status
# is written to $work/status.
start_in_pane() {
    sessions=$((sessions + 1))
    tmux -f /dev/null new-session -d -x 100 -y 60 \
        "until [ -e '$work/go' ]; do sleep 0.05; done; $1; echo \$? >'$work/status'; sleep 600"
    tmux pipe-pane -o "cat >>'$work/pane'"
    : >"$work/go"
    shell=$(tmux display-message -p '#{pane_pid}')
    wait_until "the program starts" program_started
    [ -n "$(cat "/proc/$pid/syscall" 2>/dev/null)" ] || skip "/proc/$pid/syscall unreadable"
}
# The program is the deepest process below the pane's shell (strace may stand between). Under
# qemu-user that process is the emulator ($emulator, set by the sourcing script), whose main
# thread runs the program's code and makes each of its system calls as the same call of its
# own: the program's read of standard input is the emulator's, and it sleeps when the program
# waits.
program_started() {
    pid=$shell
    while children=$(cat "/proc/$pid/task/$pid/children" 2>/dev/null) && [ -n "$children" ]; do
        pid=${children%% *}
    done
    [ "$(readlink "/proc/$pid/exe")" = "$(readlink -f "${emulator:-$program}")" ]
}
ended() { [ -s "$work/status" ]; }

# The program waits anew: it is in read(0, ...) and has gone to sleep since the last wait
# (its count of voluntary context switches moved on, and held still around the look at the
# system call).
switches_at_last_wait=0
switches() { sed -n 's/^voluntary_ctxt_switches:[[:space:]]*//p' "/proc/$pid/status"; }
reads_input() { case $(cat "/proc/$pid/syscall" 2>/dev/null) in "0 0x0 "*) ;; *) return 1 ;; esac; }
slept() { [ "$(switches)" -gt "$switches_at_last_wait" ]; }
waits_anew() {
    before=$(switches)
    reads_input && [ "$(switches)" = "$before" ] && [ "$before" -gt "$switches_at_last_wait" ] &&
        switches_at_last_wait=$before
}
# tmux has drawn all that the program wrote: once the program waits, the test writes a marker
# to the pane's terminal, behind the program's output (an SGR reset, which changes nothing on
# screen), and waits until tmux's copy of the pane holds it. The program writes no ESC byte, so
# the copy's ESC bytes count the markers.
markers=0
drawn() { [ "$(tr -cd '\033' <"$work/pane" | wc -c)" -ge "$markers" ]; }
settled() {
    wait_until "the program waits for input" waits_anew
    markers=$((markers + 1))
    printf '\033[m' >"$(tmux display-message -p '#{pane_tty}')"
    wait_until "the screen shows the program's output" drawn
}

# Types keys: Enter, C-d, or literal text, which the terminal echoes and holds until Enter or
# C-d hands the line over; after a hand-over, waits until the program has settled again.
type_keys() {
    case $1 in
    Enter | C-d) ;;
    *)
        tmux send-keys -l "$1"
        return
        ;;
    esac
    tmux send-keys "$1"
    settled
}
screen_text() { tmux capture-pane -p -S - -E -; } # the whole pane, history included
