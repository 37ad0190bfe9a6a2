#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The click-to-paste window with real X input: a click on the calculator's display copies
# it and brings up the marker; the next click, in a text field of another program, puts
# the display there in place of the field's line.
#   paste_window.sh PATH-TO-NUMERETTE PATH-TO-PASTE-TARGET
set -uo pipefail

readonly program=$1 target=$2

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool

launch
calculator=$pid
window=$(calculator_window "$calculator" 'Numerette FREE')
[[ -n $window ]] || fail "the calculator shows no window"
type_into "$calculator" '5+3='

output="$HOME/paste-target.txt"
"$target" >"$output" &
started+=("$!")
field=$(visible_window --name 'Paste target')
[[ -n $field ]] || fail "the target field did not appear"
xdotool windowmove --sync "$field" 20 600

# The display's number sits at the right end of the row under the list (large layout).
xdotool windowmove --sync "$window" 500 0
xdotool mousemove --window "$window" 320 205 click 1
sleep 0.5
xdotool mousemove --window "$field" 150 20
sleep 0.3
xdotool click 1

for (( attempt = 0; attempt < 50; attempt++ )); do
    [[ $(tail -n 1 "$output") == 8 ]] && exit 0
    sleep 0.1
done
fail "the field holds '$(tail -n 1 "$output")' instead of the display 8"
