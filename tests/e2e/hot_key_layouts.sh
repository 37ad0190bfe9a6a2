#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The keypad hot keys answer the real key codes of a PC keyboard under the "us" and the
# "br" (abnt2) layouts, set on the test server with setxkbmap while the calculator runs:
# Ctrl with the keypad "." (key 91) and with the Brazilian keypad comma (key 129) both type
# the decimal key, and a key that gets the decimal keysym only after a change of the
# keyboard map works once the map has changed.
#   hot_key_layouts.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xmessage xmodmap setxkbmap
require_private_server "setting keyboard layouts"

# Presses Ctrl with each key code in turn, as a user's keyboard sends them.
press_with_ctrl() {
    local keycode keys=()
    for keycode in "$@"; do
        [[ -n $keycode ]] || fail "a keypad key is missing from the keymap"
        keys+=("ctrl+$keycode")
    done
    xdotool key --delay 100 "${keys[@]}"
}

# The keypad keys of the map in force; xmodmap names the keypad "." by its NumLock symbol.
read_keypad() {
    kp1=$(keycode_of KP_1) kp2=$(keycode_of KP_2) kp5=$(keycode_of KP_5)
    add=$(keycode_of KP_Add) enter=$(keycode_of KP_Enter)
}

# The keypad "." gives no decimal symbol when the calculator starts: it only grabs key 91
# after the map changes. Result mode, the hot keys on while the window is shown.
setxkbmap us || fail "setxkbmap cannot set the us layout"
xmodmap -e 'keycode 91 = KP_Delete' || fail "xmodmap cannot change key 91"
mkdir -p "$HOME/.config/Numeret"
printf '[Conf]\nCalcEnter=False\nHotKey=True\n' >"$HOME/.config/Numeret/Numeret.ini"

launch
calculator_window "$pid" 'Numerette FREE' >/dev/null || fail "the calculator shows no window"
xmessage -name other 'another program' &
started+=("$!")
other=$(visible_window --classname other)
[[ -n $other ]] || fail "xmessage shows no window"
xdotool windowfocus --sync "$other"

setxkbmap us || fail "setxkbmap cannot set the us layout"
[[ $(xmodmap -pke | awk '$2 == 91') == *KP_Decimal* ]] || fail "the us layout has no KP_Decimal on key 91"
read_keypad
# Settles the calculator's new grabs before the keys come.
sleep 1
# 1.5 + 2 = with the keypad "." of the us layout.
press_with_ctrl "$kp1" 91 "$kp5" "$add" "$kp2" "$enter"
expect_tape '^ +3[.,]50? T' "after Ctrl + keypad '.' (key 91) under the us layout, the tape"
# 2.25 + 1 = with the other keypad decimal key of the same map.
press_with_ctrl "$kp2" 129 "$kp2" "$kp5" "$add" "$kp1" "$enter"
expect_tape '^ +3[.,]25 T' "after Ctrl + key 129 under the us layout, the tape"

setxkbmap br -variant abnt2 || fail "setxkbmap cannot set the br abnt2 layout"
read_keypad
sleep 1
# 5.5 + 1 = with the Brazilian keypad comma, then 1.1 + 1 = with the keypad "." of abnt2.
press_with_ctrl "$kp5" 129 "$kp5" "$add" "$kp1" "$enter"
expect_tape '^ +6[.,]50? T' "after Ctrl + keypad comma (key 129) under the br abnt2 layout, the tape"
press_with_ctrl "$kp1" 91 "$kp1" "$add" "$kp1" "$enter"
expect_tape '^ +2[.,]10? T' "after Ctrl + keypad '.' (key 91) under the br abnt2 layout, the tape"
exit 0
