#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The global hot keys drive a minimized calculator while another X client has the focus:
# in Add mode Ctrl+keypad 5, Ctrl+Enter, Ctrl+keypad 3, Ctrl+Enter, Ctrl+Alt+Enter put 5 and 3
# and their total 8 on the tape, and the minimized window's title shows the display with " T".
#   hot_keys.sh PATH-TO-NUMERETTE PATH-TO-X11-ICONIFY
set -uo pipefail

readonly program=$1 iconify=$2

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xmessage xmodmap

mkdir -p "$HOME/.config/Numeret"
printf '[Conf]\nCalcEnter=True\n' >"$HOME/.config/Numeret/Numeret.ini"

launch
calculator=$pid
window=$(calculator_window "$calculator" 'Numerette FREE')
[[ -n $window ]] || fail "the calculator shows no window"

xmessage -name other 'another program' &
started+=("$!")
other=$(visible_window --classname other)
[[ -n $other ]] || fail "xmessage shows no window"
xdotool windowfocus --sync "$other"

"$iconify" "$window" || fail "could not mark the calculator minimized"
for (( attempt = 0; attempt < 50; attempt++ )); do
    [[ $(xdotool getwindowname "$window") != ' Numerette FREE' ]] && break
    sleep 0.1
done

kp5=$(keycode_of KP_5) kp3=$(keycode_of KP_3)
[[ -n $kp5 && -n $kp3 ]] || fail "the keymap has no keypad digits"
xdotool key --delay 100 "ctrl+$kp5" ctrl+Return "ctrl+$kp3" ctrl+Return ctrl+alt+Return

title=
for (( attempt = 0; attempt < 50; attempt++ )); do
    title=$(xdotool getwindowname "$window")
    [[ $title == *8' T' ]] && break
    sleep 0.1
done
[[ $title == ' = 8 T' || $title == ' 8 T' ]] || fail "the minimized calculator's title is '$title', not the total 8 with ' T'"

saved=
for (( attempt = 0; attempt < 50; attempt++ )); do
    saved=$(find "$HOME" -name numeret1.fita -print -quit)
    [[ -n $saved ]] && grep -q '8 T' "$saved" && break
    sleep 0.1
done
[[ -n $saved ]] || fail "no state file was written after the total"
grep -q '^ *5 +' "$saved" && grep -q '^ *3 [+=]' "$saved" && grep -q '8 T' "$saved" \
    || fail "the tape does not hold 5, 3 and the total 8: $(cat "$saved")"
exit 0
