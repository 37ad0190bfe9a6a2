#!/usr/bin/env bash
# Two real processes of the calculator and what they tell each other: a second start hands over
# to the first and ends, "outra" opens a calculator of its own, "fechar" ends the first. Then the
# tape across restarts: closed with Esc, and killed right after a total.
#   instances.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1
# The main calculator's title, or the secondary one's; never the splash's.
readonly CalculatorTitle='Numerette (FREE|\[Aux\])'

command -v xdotool >/dev/null || { echo "skipped: xdotool is not installed" >&2; exit 77; }

started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
}
trap cleanup EXIT

fail() {
    echo "$*" >&2
    exit 1
}

# Starts the program with the given arguments; the process id goes into $pid.
launch() {
    "$program" "$@" &
    pid=$!
    started+=("$pid")
}

# Prints the visible calculator window of a process, waiting for it to appear.
calculator_window() {
    timeout 20 xdotool search --all --sync --onlyvisible --pid "$1" --name "${2:-$CalculatorTitle}" | head -n 1
}

# True once the process has ended, within the given number of seconds.
ends_within() {
    local attempt
    for (( attempt = 0; attempt < $2 * 10; attempt++ )); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

state_file() {
    find "$HOME" -name numeret1.fita -print -quit
}

# Gives the calculator window of a process the keyboard focus.
focus_calculator() {
    local window
    window=$(calculator_window "$1")
    [[ -n $window ]] || fail "process $1 shows no calculator window"
    xdotool windowfocus --sync "$window"
}

type_into() {
    focus_calculator "$1"
    xdotool type --delay 60 "$2"
}

# Esc closes the calculator; with no notification area to stay in, the process ends.
close_with_escape() {
    focus_calculator "$1"
    xdotool key Escape
    ends_within "$1" 10 || fail "the calculator of process $1 did not end after Esc"
}

# --- A second start hands over to the first instance and ends ---------------------------------
launch
first=$pid
[[ -n $(calculator_window "$first") ]] || fail "the first instance shows no calculator window"

launch
ends_within "$pid" 10 || fail "a second start did not end"
wait "$pid" || fail "a second start ended with status $?"
kill -0 "$first" 2>/dev/null || fail "the first instance ended when a second start handed over"
xdotool search --all --onlyvisible --pid "$first" --name "$CalculatorTitle" >/dev/null \
    || fail "the first instance's calculator is no longer visible"

# --- "outra" opens a secondary calculator in a process of its own -----------------------------
launch outra
secondary=$pid
[[ -n $(calculator_window "$secondary" 'Numerette \[Aux\]') ]] \
    || fail "outra opened no window titled 'Numerette [Aux]'"
kill -0 "$first" 2>/dev/null || fail "the first instance ended when outra started"
close_with_escape "$secondary"
kill -0 "$first" 2>/dev/null || fail "closing the secondary calculator ended the first instance"

# --- "fechar" ends the first instance -----------------------------------------------------------
launch fechar
ends_within "$pid" 10 || fail "fechar did not end"
ends_within "$first" 10 || fail "fechar did not end the first instance"

# --- The tape survives closing with Esc and a restart ------------------------------------------
launch
type_into "$pid" '5+3='
close_with_escape "$pid"
saved=$(state_file)
[[ -n $saved ]] || fail "no numeret1.fita under $HOME after closing the calculator"
grep -q '8 T' "$saved" || fail "the state file holds no total 8 after closing: $(cat "$saved")"

# Restarted, the calculator restores the tape, and writes it back when it closes again.
launch
[[ -n $(calculator_window "$pid") ]] || fail "the restarted calculator shows no window"
close_with_escape "$pid"
grep -q '8 T' "$saved" || fail "the restarted calculator lost the total 8: $(cat "$saved")"

# --- A total survives a kill -9 --------------------------------------------------------------------
launch
killed=$pid
type_into "$killed" '2+2='
for (( attempt = 0; attempt < 50; attempt++ )); do
    grep -q '4 T' "$saved" && break
    sleep 0.1
done
kill -9 "$killed"
wait "$killed" 2>/dev/null
grep -q '4 T' "$saved" || fail "a total was not saved before the process was killed: $(cat "$saved")"

# The killed instance's role is free again, and the tape comes back whole.
launch
[[ -n $(calculator_window "$pid") ]] || fail "no calculator after the first instance was killed"
close_with_escape "$pid"
grep -q '8 T' "$saved" && grep -q '4 T' "$saved" \
    || fail "the tape did not survive the kill: $(cat "$saved")"
exit 0
