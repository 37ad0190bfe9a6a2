#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's files at the edges: a FIFO at the state file's path does not hold the start
# (it is kept aside as damaged and the user told), two damaged starts in a row keep both
# damaged copies, settings and state are the owner's alone, and a data folder that cannot
# be written is told once while every later total tries again.
#   state_files.sh PATH-TO-NUMERETTE
set -uo pipefail

program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool

readonly data=$HOME/.local/share/Numeret/Numeret config=$HOME/.config/Numeret
readonly state=$data/numeret1.fita

# Prints the calculator's message box, waiting up to the given seconds (20 by default).
message_box() {
    local attempt window
    for (( attempt = 0; attempt < ${1:-20} * 10; attempt++ )); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^ Numerette$' 2>/dev/null | head -n 1)
        [[ -n $window ]] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}

answer_box() {
    local box
    box=$(message_box) || fail "$1"
    xdotool windowfocus --sync "$box"
    xdotool key Return
}

mode() {
    stat -c %a "$1"
}

# --- A FIFO at the state file's path --------------------------------------------------------
mkdir -p -m 700 "$data"
mkfifo "$state"
launch
calculator_window "$pid" >/dev/null || fail "a FIFO at the state file's path held the start"
answer_box "the FIFO at the state file's path was not told"
[[ -p $state.damaged ]] || fail "the FIFO was not kept aside as $state.damaged"
type_into "$pid" '1+2='
close_with_escape "$pid"
[[ -f $state && ! -p $state ]] || fail "no regular state file was written after the FIFO"
grep -qF -- '3 T' "$state" || fail "the calculation after the FIFO was not saved"

# --- Two damaged starts in a row --------------------------------------------------------------
for damage in 'first damaged state' 'second damaged state'; do
    printf '%s' "$damage" >"$state"
    launch
    answer_box "the damaged state file ($damage) was not told"
    close_with_escape "$pid"
done
[[ $(cat "$state.damaged.2") == 'first damaged state' ]] || fail "the first damaged copy was lost"
[[ $(cat "$state.damaged.3") == 'second damaged state' ]] || fail "the second damaged copy was lost"
[[ -p $state.damaged ]] || fail "the FIFO kept aside was replaced"

# --- The owner's files alone --------------------------------------------------------------------
[[ $(mode "$config") == 700 ]] || fail "$config has mode $(mode "$config"), not 700"
for file in "$state" "$config/Numeret.ini"; do
    [[ $(mode "$file") == 600 ]] || fail "$file has mode $(mode "$file"), not 600"
done

# --- A data folder that cannot be written -------------------------------------------------------
# Root writes anywhere: without the capability that lets it, it is bound by the mode as the
# owner is.
restricted=()
if (( EUID == 0 )); then
    require_tools setpriv
    restricted=(setpriv --bounding-set=-dac_override,-dac_read_search --inh-caps=-all --)
fi
wrapper=$HOME/restricted-numerette
printf '#!/bin/sh\nexec %s "%s" "$@"\n' "${restricted[*]}" "$program" >"$wrapper"
chmod +x "$wrapper"
program=$wrapper
saved=$(cat "$state")
chmod 500 "$data"
launch
type_into "$pid" '4+4='
answer_box "a total that could not be saved was not told"
type_into "$pid" '5+5='
sleep 1
message_box 1 >/dev/null && fail "the failed save was told a second time"
[[ $(cat "$state") == "$saved" ]] || fail "the state file changed in a folder that cannot be written"
chmod 700 "$data"
type_into "$pid" '6+6='
for (( i = 0; i < 50; i++ )); do
    grep -qF -- '12 T' "$state" && break
    sleep 0.1
done
grep -qF -- '12 T' "$state" || fail "the total after the folder became writable again was not saved"
grep -qF -- '8 T' "$state" || fail "the totals made meanwhile were not saved with it"
close_with_escape "$pid"
echo "state_files: all checks passed"
