#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two real processes of the calculator and what they tell each other: a second start hands over
# to the first and ends, "outra" opens a calculator of its own, "fechar" ends the first. Then the
# tape across restarts: closed with Esc, and killed right after a total.
#   instances.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool

# --- A second start hands over to the first instance and ends ---------------------------------
launch
first=$pid
[[ -n $(calculator_window "$first") ]] || fail "the first instance shows no calculator window"

launch
ends_within "$pid" 10 || fail "a second start did not end"
wait "$pid" || fail "a second start ended with status $?"
kill -0 "$first" 2>/dev/null || fail "the first instance ended when a second start handed over"
[[ -n $(calculator_window "$first") ]] \
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
