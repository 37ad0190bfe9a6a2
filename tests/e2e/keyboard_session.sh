#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One session with the keyboard only, through real X input, with or without a window
# manager (without one, X gives the focus back to nobody when a window closes):
#   - every menu of the calculator opened and closed with Esc, then typed keys and a
#     calculation that must reach the calculator (a letter must not open a menu, an
#     insert-text label keeps its first letter, Esc still closes the calculator);
#   - Ctrl+V pastes a number copied after the Options menu was last opened;
#   - an input box and a message box, and edit mode of the list across a menu;
#   - each tool window used from the keyboard and closed, then a calculation: the rule of
#     three filled row by row with Tab and Enter, the interest window's "&Calculate" by its
#     mnemonic after a message of the window's own, the weight window's button pressed
#     with Enter.
# The focus is given to the calculator once, at the start, never again.
#   keyboard_session.sh PATH-TO-NUMERETTE openbox|none
set -uo pipefail

readonly program=$1 window_manager=$2

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

# Every check is made, so that one run shows every fault; the test fails at the end.
failures=()
failed() {
    failed "$1"
    echo "FAILED: $1" >&2
}
check() {
    tape_has "$1" || failed "$2: the tape has no line matching '$1'"
}

keys() {
    xdotool key --delay 150 "$@"
}

typed() {
    xdotool type --delay 80 "$1"
}

# Waits until the calculator's process shows this many windows whose title matches; its
# message boxes carry the title of the window they belong to.
windows_titled() {
    local count=$1 title=$2 attempt shown
    for (( attempt = 0; attempt < 100; attempt++ )); do
        shown=$(timeout 5 xdotool search --all --onlyvisible --pid "$calculator" --name "$title" 2>/dev/null | wc -l)
        (( shown == count )) && return 0
        sleep 0.1
    done
    return 1
}
# Waits for a message box over a window with this title, presses the key that answers it
# and waits for it to go.
answer_box() {
    local title=$1 key=$2 what=$3
    windows_titled 2 "$title" || { failed "$what: no message box"; return; }
    keys "$key"
    windows_titled 1 "$title" || failed "$what: the message box stays"
}

copy_text() {
    printf '%s' "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
    started+=("$!")
    clipboard_becomes "$1" || fail "xclip did not take the clipboard"
}

start_window_manager "$window_manager"
mkdir -p "$HOME/.config/Numeret"
# Esc ends the program at the end: the calculator does not wait for a notification area.
printf '[Conf]\nCalcEnter=False\nHotKey=False\nInserirTexto=True\nVisivel=False\nmnuSystray=False\n' >"$HOME/.config/Numeret/Numeret.ini"

launch
calculator=$pid
window=$(calculator_window "$calculator" 'Numerette FREE')
[[ -n $window ]] || fail "the calculator shows no window"
if [[ $window_manager == none ]]; then
    xdotool windowfocus --sync "$window"
else
    xdotool windowactivate --sync "$window"
fi
# Keys follow the pointer when X has no focus window: keep it off the program's windows.
xdotool mousemove 1 1020

# --- Menus ----------------------------------------------------------------------------------
keys alt+o Escape Escape
typed '12+sal3='
check '^ +15 T' "12+3= after Alt+O Esc Esc"
check '^ SAL +12 \+' "the insert-text label 'sal' typed after Alt+O Esc Esc"
keys alt+l Escape Escape
typed 's20+2='
check '^ +22 T' "s20+2= after Alt+L Esc Esc"
keys alt+s Escape Escape
typed 'l30+3='
check '^ +33 T' "l30+3= after Alt+S Esc Esc"
# The "?" menu has no mnemonic: Left from the first menu wraps round to it.
keys alt+o Left Escape Escape
typed 'o40+4='
check '^ +44 T' "o40+4= after the '?' menu and Esc Esc"

# --- Ctrl+V follows the clipboard -------------------------------------------------------------
copy_text 'no number'
keys alt+o Escape Escape
copy_text 42
keys ctrl+v
typed '+1='
check '^ +43 T' "Ctrl+V of 42 copied after the Options menu was opened, then +1="

# --- An input box and a message box -----------------------------------------------------------
keys F3
windows_titled 1 'Locate on List' || failed "F3 shows no search box"
typed 'zzz'
keys Return
windows_titled 0 'Locate on List' || failed "Enter does not close the search box"
# "Not found": the message box has the program's title, the calculator a longer one.
windows_titled 1 '^ Numerette$' || failed "the search shows no 'not found' message"
keys Return
windows_titled 0 '^ Numerette$' || failed "Enter does not close the 'not found' message"
typed '50+5='
check '^ +55 T' "50+5= after a search box and its 'not found' message"

# --- Edit mode across a menu --------------------------------------------------------------------
keys F2 alt+l Escape Escape
typed 'note'
keys F2
typed '60+6='
check 'note' "text typed in edit mode after Alt+L Esc Esc"
check '^ +66 T' "60+6= after edit mode"

# --- The date window --------------------------------------------------------------------------
keys F5
windows_titled 1 'Calculate Date' || failed "F5 shows no date window"
keys Tab Tab
typed '2'
keys alt+c Escape
windows_titled 0 'Calculate Date' || failed "Esc does not close the date window"
typed '70+7='
check 'years: 2 ' "the date window's report"
check '^ +77 T' "70+7= after the date window"

# --- The rule of three: Tab and Enter down the base data, a new value emptied by a key ----------
keys ctrl+t
windows_titled 1 'Rule of Three' || failed "Ctrl+T shows no rule-of-three window"
typed '8'; keys Tab
typed 'carpenters'; keys Tab
typed '5'; keys Tab
typed 'days'; keys Return Tab Tab
typed '16'; keys Tab
typed '1'; keys BackSpace alt+c
# "If you add CARPENTERS the result will add DAYS?": no, the days go down.
answer_box 'Rule of Three' alt+n "the rule of three's question"
keys ctrl+a ctrl+c
clipboard_becomes 2.5 || failed "8 carpenters in 5 days, 16 carpenters: the rule of three did not give 2.5 days"
keys Escape
windows_titled 0 'Rule of Three' || failed "Esc does not close the rule-of-three window"
typed '80+8='
check '^ +88 T' "80+8= after the rule-of-three window"

# --- The weight window: Enter on the focused button presses it ----------------------------------
keys shift+F5
windows_titled 1 'Ideal Weight' || failed "Shift+F5 shows no weight window"
typed '1.65'; keys Return
typed '60'; keys Tab Tab Return Escape
windows_titled 0 'Ideal Weight' || failed "Esc does not close the weight window"
typed '90+9='
check 'WEIGHT CALC\. - \(Woman\)' "the weight report after Enter on the focused Calculate button"
check '^ +99 T' "90+9= after the weight window"

# --- The interest window: "&Calculate" by its mnemonic, a message of its own -----------------------
keys ctrl+j
windows_titled 1 'Capitalized Interest' || failed "Ctrl+J shows no interest window"
# Nothing filled in: "Insert Initial Value", then the keys go back to the initial value.
keys alt+c
answer_box 'Capitalized Interest' Return "the interest window's 'Insert Initial Value'"
# One installment: the search for it takes a single step, over before the next key.
typed '1000'; keys Tab Tab
typed '1'; keys Tab Tab Tab
typed '2.5'; keys alt+c Escape
windows_titled 0 'Capitalized Interest' || failed "Esc does not close the interest window"
typed '+110='
check '^ +1,025\.00 ' "the installment report after Alt+C in the interest window"
check '^ +1,135(\.00)? T' "+110= after the interest window"

# --- Esc still closes the calculator ------------------------------------------------------------
keys Escape
ends_within "$calculator" 10 || failed "Esc at the end of the session does not close the calculator"

exit $(( ${#failures[@]} > 0 ))
