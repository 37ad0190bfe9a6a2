#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# numerette --press from outside the calculator, as a desktop shortcut runs it: the first one
# starts a calculator and presses its key there, the later ones hand their keys to it and end,
# and an unknown key name is refused without reaching it.
#   press_key.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

launch --press 5
first=$pid
[[ -n $(calculator_window "$first") ]] || fail "--press without a running calculator opened none"

for key in + 3 '{Enter}'; do
    timeout 10 "$program" --press "$key" || fail "numerette --press '$key' ended with status $?"
done
kill -0 "$first" 2>/dev/null || fail "the calculator ended while keys were pressed from outside"
clipboard_becomes 8 \
    || fail "expected the total 8 on the clipboard, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"
tape_has '^ +8 T' || fail "the tape holds no total 8: $(cat "$(state_file)")"

error=$(timeout 10 "$program" --press '{Esc}' 2>&1 >/dev/null)
status=$?
(( status == 2 )) || fail "an unknown key name ended with status $status, not 2"
[[ $error == *"unknown key '{Esc}' for --press"* ]] || fail "an unknown key name was refused with: $error"
kill -0 "$first" 2>/dev/null || fail "an unknown key name ended the calculator"

close_with_escape "$first"
exit 0
