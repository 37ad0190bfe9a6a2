#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A long column copied through the real X clipboard is added whole or not at all: the numbers
# 1 to 2,000 give 2,000 items and the total 2,001,000, and the list-full question follows;
# a column of more numbers than one copy takes adds nothing and says so.
#   clipboard_long_column.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

# Another client owns the clipboard with the numbers from 1 to $1, one a line.
copy_column() {
    seq 1 "$1" | xclip -selection clipboard -quiet &>/dev/null &
    started+=("$!")
}

# Prints the message box of the calculator, waiting up to 20 s for it.
message_box() {
    visible_window --pid "$pid" --name '^ Numerette$'
}

mkdir -p "$HOME/.config/Numeret"
# Esc ends the program, which saves the list once more as it stands.
printf '[Conf]\nMonitor=True\nmnuSystray=False\n' >"$HOME/.config/Numeret/Numeret.ini"
launch
calculator_window "$pid" >/dev/null || fail "the calculator shows no window"
sleep 0.5

copy_column 2000
box=$(message_box) || fail "no list-full question after the column's total"
state=$(state_file)
grep -qF -- ' 2000' "$state" || fail "the count line does not say 2000 items: $(tail -n 4 "$state")"
grep -qF -- '2,001,000 T' "$state" || fail "the total is not 2,001,000: $(tail -n 4 "$state")"
(( $(grep -c ' [+=]'$'\r''$' "$state") == 2000 )) || fail "not every number became an item"
# No: the list stays as it is.
xdotool windowfocus --sync "$box"
xdotool key Escape
# The list: the record without its last line (the fields after the list).
list() {
    sed '$d' "$state"
}
saved=$(list)

copy_column 10001
box=$(message_box) || fail "a column of 10,001 numbers was not refused with a message"
xdotool windowfocus --sync "$box"
xdotool key Return
sleep 0.5
[[ $(list) == "$saved" ]] || fail "the refused column changed the list"
close_with_escape "$pid"
[[ $(list) == "$saved" ]] || fail "the refused column changed the saved list"
echo "clipboard_long_column: all checks passed"
