#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The saved tape across real restarts: a change of the number locale both ways keeps the
# display, the next total and the clipboard true; a change of the date order keeps today's
# tape; a state file of the earlier seven-field format loads; a tampered field is kept aside
# with the tape lines kept; Enter at the full list's question keeps the tape; a calculation
# typed in English is corrected right in a Brazilian session.
#   tape_locales.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip localedef

readonly data=$HOME/.local/share/Numeret/Numeret config=$HOME/.config/Numeret
readonly state=$data/numeret1.fita

# The locales are generated into the test's own folder: nothing outside it changes.
export LOCPATH=$HOME/locale
mkdir -p "$LOCPATH"
for locale in pt_BR en_GB en_US; do
    localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" 2>/dev/null || [[ -d $LOCPATH/$locale.UTF-8 ]] \
        || fail "could not generate the $locale.UTF-8 locale"
done

# Two decimals, so that the separators matter.
mkdir -p -m 700 "$config"
printf '[Conf]\nFormato=20\n' >"$config/Numeret.ini"

# Starts the calculator under a locale (messages stay English), types keys, expects the
# clipboard to hold the given total (when one is given) while it runs, and ends it.
session() {
    local locale=$1 typed=$2 clipboard=${3:-}
    LANG=$locale LC_MESSAGES=C.UTF-8 launch
    calculator_window "$pid" >/dev/null || fail "no calculator window under $locale"
    sleep 0.5
    type_into "$pid" "$typed"
    if [[ -n $clipboard ]]; then
        clipboard_becomes "$clipboard" \
            || fail "expected $clipboard on the clipboard, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"
    fi
    sleep 0.5
    close_with_escape "$pid"
}

answer_box() {
    local box
    box=$(visible_window --pid "$pid" --name '^ Numerette$') || fail "$1"
    xdotool windowfocus --sync "$box"
    xdotool key Return
}

# --- Numbers: English, then Brazilian, then English again -------------------------------------
session C.UTF-8 '10+20='
expect_tape ' 30\.00 T' "the English tape"
session pt_BR.UTF-8 '+1=' 31,00
expect_tape ' 31,00 T' "the tape after a restart under pt_BR"
session pt_BR.UTF-8 '1234,5+1='
expect_tape ' 1\.235,50 T' "the Brazilian tape"
session C.UTF-8 '+1=' 1,236.50
expect_tape ' 1,236\.50 T' "the tape after a restart under English"

# --- A correction of an English calculation in a Brazilian session ------------------------------
session C.UTF-8 '10+20='
LANG=pt_BR.UTF-8 LC_MESSAGES=C.UTF-8 launch
focus_calculator "$pid"
xdotool key F10
dialog=$(visible_window --pid "$pid" --name 'Correct Item') || fail "Correct Item did not open under pt_BR"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 60 '2,5'
xdotool key Return
clipboard_becomes 12,50 || fail "expected the corrected 12,50 on the clipboard, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"
type_into "$pid" '+1='
clipboard_becomes 13,50 || fail "after the correction +1= did not give 13,50"
close_with_escape "$pid"

# --- Date order: day first, then month first on the same day -----------------------------------
session en_GB.UTF-8 '7+'
session en_US.UTF-8 '2='
expect_tape ' 9\.00 T' "the tape typed under en_GB and totalled under en_US"
grep -qF '30.00 T' "$state" || fail "the change of the date order cleared today's tape"

# --- A state file of the earlier format -------------------------------------------------------------
today=$(date +%d/%m/%Y)
printf '"%s"," %s Thu           \r\n =========================\r\n                    8.00 +\r\n","8.00","+","0","8.00","001"\r\n' \
    "$today" "$today" >"$state"
session C.UTF-8 '2='
expect_tape ' 10\.00 T' "the tape of the earlier state file"

# --- A tampered field ----------------------------------------------------------------------------
sed -i 's/"10\.00",/"abc",/' "$state"
LANG=C.UTF-8 launch
answer_box "the tampered state file was not told"
[[ -f $state.damaged ]] || fail "the tampered state file was not kept aside"
type_into "$pid" '5+3='
close_with_escape "$pid"
grep -qF '10.00 T' "$state" || fail "the tape lines of the tampered file were lost"
expect_tape ' 8\.00 T' "the calculation after the tampered file"

# --- The full list: Enter keeps it ---------------------------------------------------------------
# Just within the list's capacity, so that the next total asks.
crlf=$'\r\n'
list=" $(date +%d/%m/%Y) Thu           $crlf =========================$crlf"
for (( i = 0; i < 745; i++ )); do list+="                    1.00 +$crlf"; done
printf '"%s","%s","745.00","+","0","745.00","745","."\r\n' "$(date +%F)" "$list" >"$state"
LANG=C.UTF-8 launch
calculator_window "$pid" >/dev/null || fail "no calculator window with a full list"
type_into "$pid" '5+3='
answer_box "the full list's question did not come"
sleep 0.5
close_with_escape "$pid"
(( $(grep -c '1\.00 +' "$state") == 745 )) || fail "Enter at the full list's question erased the tape"
expect_tape ' 753\.00 T' "the full list's total"
exit 0
