#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A polite termination (SIGTERM) loses nothing: calculations typed with real X keys and the
# signal sent the moment the last key went out; the program takes in every key delivered to
# it before it closes as Exit does, so the saved list holds each finished calculation and
# each clear. With kill -9 instead, the saved list is still whole: the list as it was, or with
# the calculation's total, or cleared; never a part of a calculation or a mixture.
# The keys arrive while the program shares its processor with a busy loop, as on a loaded
# machine: then they are still on their way through the program when the signal comes.
#   termination.sh PATH-TO-NUMERETTE [ROUNDS] [EVERY-HOW-MANY-A-KILL-9]
set -uo pipefail

readonly rounds=${2:-16} kill_every=${3:-8}

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool taskset

readonly cpu=$(( $(nproc) - 1 ))
readonly program=$HOME/numerette-on-cpu-$cpu
printf '#!/bin/sh\nexec taskset -c %d nice -n 10 "%s" "$@"\n' "$cpu" "$1" >"$program"
chmod +x "$program"
taskset -c "$cpu" sh -c 'while :; do :; done' &
started+=("$!")

# The calculation list held by the state file (its second field), without the CR of its line
# ends and without its last line break.
saved_list() {
    local record rest
    record=$(tr -d '\r' <"$(state_file)")
    rest=${record#*\",\"}
    printf '%s' "${rest%%\",\"*}"
}

# A line of the list: a line break, then a value right-aligned in 24 columns and its marker.
line() {
    printf '\n%24s %s' "$1" "$2"
}

# Starts the calculator and gives it the keyboard focus; a list saved today comes back.
start() {
    launch
    focus_calculator "$pid"
}

start
close_with_escape "$pid"
header=$(saved_list)
[[ $header == *'========================='* ]] || fail "the first start saved no list: $(cat "$(state_file)")"

sigterm_losses=0 kill_losses=0 kill_rounds=0 kill_kept=0
for (( round = 1; round <= rounds; round++ )); do
    before=$(saved_list)
    # Sums below 1,000 need no group separator.
    a=$(( RANDOM % 499 + 1 )) b=$(( RANDOM % 499 + 1 ))
    block=$(line "$a" +; line "$b" =; printf '\n 002%22s' ''; line $(( a + b )) T; printf '\n =========================')
    clears=$(( round % 3 == 0 ))
    signal=TERM
    (( round % kill_every == 0 )) && signal=KILL
    start
    xdotool type --delay 1 "$a+$b="
    (( clears )) && xdotool key Delete Delete
    kill -s "$signal" "$pid"
    ends_within "$pid" 10 || fail "round $round: the program did not end after SIG$signal"
    after=$(saved_list)
    if (( clears )); then
        complete=$header
    else
        complete=$before$block
    fi
    if [[ $signal == TERM ]]; then
        if [[ $after != "$complete" ]]; then
            (( sigterm_losses++ ))
            printf 'round %d (SIGTERM%s): expected\n%s\nsaved\n%s\n' "$round" "$( (( clears )) && echo ', after a clear')" "$complete" "$after" >&2
        fi
    else
        (( kill_rounds++ ))
        [[ $after == "$complete" ]] && (( kill_kept++ ))
        if [[ $after != "$before" && $after != "$before$block" && $after != "$header" ]]; then
            (( kill_losses++ ))
            printf 'round %d (kill -9): the saved list is no whole state:\n%s\n' "$round" "$after" >&2
        fi
    fi
    # A long list is cleared now and then, so that each start stays quick.
    if (( ${#after} > 20000 )); then
        start
        xdotool key Delete Delete
        close_with_escape "$pid"
    fi
done
echo "termination: $rounds rounds, $(( rounds - kill_rounds )) with SIGTERM ($sigterm_losses lost a key or more), $kill_rounds with kill -9 ($kill_losses broken lists, $kill_kept kept the last calculation or clear)"
(( sigterm_losses == 0 && kill_losses == 0 ))
