#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Types a column into the real calculator, corrects its second item through the
# "Calculation List" menu with X key events, and expects the corrected total on the
# clipboard and both calculations, the original and the corrected one, in the state file;
# then corrects a calculation again after a restart, with F10.
#   correct_item.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

keys() {
    local key
    for key in "$@"; do
        xdotool key --delay 80 "$key"
        sleep 0.2
    done
}

launch
[[ -n $(calculator_window "$pid" 'Numerette FREE') ]] || fail "the calculator window did not appear"
type_into "$pid" '5+3+2='
clipboard_becomes 10 || fail "expected 10 on the clipboard after 5+3+2=, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"

# Alt+L opens "Calculation List", R is Correct Item. The dialog opens on the last item with
# its value selected: back to the item list, up to the second item, then its new value.
focus_calculator "$pid"
keys alt+l r
[[ -n $(visible_window --pid "$pid" --name 'Correct Item') ]] || fail "the Correct Item dialog did not open"
keys shift+Tab Up Tab
xdotool type --delay 60 '4'
keys Return
clipboard_becomes 11 || fail "expected the corrected total 11 on the clipboard, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"

# The keyboard is the calculator's again: the next keys add to the corrected result.
type_into "$pid" '+1='
clipboard_becomes 12 || fail "after the correction the calculator did not take 11 + 1"

# Every total saves the state file, a correction's too.
expected=$(printf '%s\n' \
    '                       5 +' \
    '                       3 +' \
    '                       2 =' \
    ' 003                      ' \
    '                      10 T' \
    ' =========================' \
    ' CORRECTED ITEM 002 OF 003' \
    '                       5 +' \
    '                       4 +' \
    '                       2 =' \
    ' 003                      ' \
    '                      11 T' \
    ' =========================')
for (( attempt = 0; attempt < 50; attempt++ )); do
    tape=$(tr -d '\r' <"$(state_file 1)" 2>/dev/null)
    [[ $tape == *"$expected"* ]] && break
    sleep 0.1
done
[[ $tape == *"$expected"* ]] || fail "the state file does not hold both calculations: $tape"

# After a restart the calculations on the restored list can still be corrected: F10 opens
# the last one (11 + 1) on its last item, which becomes 2.
kill -TERM "$pid"
ends_within "$pid" 10 || fail "the calculator did not end after SIGTERM"
launch
[[ -n $(calculator_window "$pid" 'Numerette FREE') ]] || fail "the calculator window did not come back"
focus_calculator "$pid"
keys F10
[[ -n $(visible_window --pid "$pid" --name 'Correct Item') ]] || fail "after a restart Correct Item did not open"
xdotool type --delay 60 '2'
keys Return
clipboard_becomes 13 || fail "expected 13 after correcting 11 + 1 to 11 + 2, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"
echo "correct_item: corrected 3 to 4 (total 11), and after a restart 1 to 2 (total 13)"
