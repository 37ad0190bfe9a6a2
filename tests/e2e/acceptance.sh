#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program used as a person uses it, through real X input, the real clipboard and real
# files, one scenario per part of the program:
#   - the engine: the typical calculation 5 + 3 = typed on the keyboard;
#   - the widget kit: 7 + 2 = clicked on the owner-drawn keypad with the mouse;
#   - the host: a second start with "juro" hands the word over to the running calculator;
#   - the tools: the interest window it opens computes 1,000.00 in 3 installments at 2.5 %
#     and writes its report into the tape when Esc closes it;
#   - the window services: the tape printed to a paper-roll port, the sounds tried where
#     there may be no audio output, the tape saved when the calculator closes, and when
#     the session ends it with SIGTERM.
#   acceptance.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

export NUMERETTE_PORT_DIR="$HOME/ports"
mkdir -p "$NUMERETTE_PORT_DIR"

launch
calculator=$pid
window=$(calculator_window "$calculator" 'Numerette FREE')
[[ -n $window ]] || fail "the calculator shows no window"

# --- The engine: the typical calculation ------------------------------------------------------
type_into "$calculator" '5+3='
clipboard_becomes 8 || fail "5+3= did not put 8 on the clipboard"

# --- The widget kit: the keypad under the mouse (keys of the large layout) -----------------------
xdotool windowmove --sync "$window" 0 0
for key in '41 309' '306 428' '108 389' '240 428'; do   # 7, ENTER (+), 2, =
    xdotool mousemove --window "$window" $key click 1
    sleep 0.2
done
clipboard_becomes 9 || fail "7 + 2 = clicked on the keypad did not put 9 on the clipboard"

# --- The host and the tools: "juro" handed over opens the interest window -----------------------
"$program" juro &
ends_within $! 10 || fail "the second start with juro did not hand over and end"
interest=$(calculator_window "$calculator" 'Calculate Capitalized Interest Amount')
[[ -n $interest ]] || fail "the interest window did not open in the running calculator"
xdotool windowfocus --sync "$interest"
xdotool type --delay 60 '1000'
keys Return Return
xdotool type --delay 60 '3'
keys Return Return Return
xdotool type --delay 60 '2.5'
keys Return space
sleep 1
keys Escape
sleep 1

# --- Printing: the whole tape to the paper roll on LPT1 -----------------------------------------
focus_calculator "$calculator"
keys ctrl+y
xdotool type --delay 60 'LPT1'
keys Return
sleep 1
keys Return   # "Sent to printer"
roll="$NUMERETTE_PORT_DIR/lp0"
[[ -s $roll ]] || fail "nothing reached the paper-roll port"
for line in '5 +' '8 T' '9 T' '1,050.39' ' 003'; do
    grep -aqF -- "$line" "$roll" || fail "the paper roll lacks '$line': $(cat "$roll")"
done

# --- Sounds: Beep, Beep... works or says that there is no MIDI output; keys go on working --------
focus_calculator "$calculator"
keys ctrl+b
sleep 0.5
keys Return
type_into "$calculator" '1+1='
clipboard_becomes 2 || fail "after the sound command the calculator no longer adds"

# --- The tape is kept when the calculator closes ------------------------------------------------
close_with_escape "$calculator"
tape=$(cat "$(state_file 1)")
for line in '5 +' '3 =' ' 002' '8 T' '9 T' 'FINAL AMOUNT' '1,050.39' '2 T'; do
    grep -qF -- "$line" <<<"$tape" || fail "the saved tape lacks '$line': $tape"
done
# --- A session that ends: SIGTERM closes the calculator as Exit does, keeping the open item -----
launch
type_into "$pid" '777+'
kill -TERM "$pid"
ends_within "$pid" 10 || fail "the calculator did not end after SIGTERM"
grep -qF -- '777 +' "$(state_file 1)" || fail "the item open at SIGTERM was not saved: $(cat "$(state_file 1)")"

echo "acceptance: all scenarios passed"
