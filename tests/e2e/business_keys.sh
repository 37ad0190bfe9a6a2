#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A day's work with the business keys on the real calculator, with X key events: Tax+ on a
# sum, a selling price from a cost and a margin, a plain total, then a restart, after which
# the grand total of the three totals is still there and its key writes it. Each result is
# read from the tape (the state file), the clipboard (without grouping, as set) and the
# state file's grand-total field.
#   business_keys.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

mkdir -p "$HOME/.config/Numeret"
printf '[Conf]\nCalcEnter=False\nImposto=10\nCopiaSemGrupo=True\n' >"$HOME/.config/Numeret/Numeret.ini"

clipboard_is() {
    clipboard_becomes "$1" || fail "$2: expected $1 on the clipboard, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"
}

launch
[[ -n $(calculator_window "$pid" 'Numerette FREE') ]] || fail "the calculator window did not appear"

type_into "$pid" '100+50'
keys ctrl+shift+t
expect_tape '^ +150 N' "Tax+ on 100+50"
expect_tape '^ +15 X' "the tax of 150 at 10 %"
expect_tape '^ +165 B' "the gross amount"
clipboard_is 165 "Tax+"

type_into "$pid" '120+25'
keys ctrl+shift+m
expect_tape '^ +120 C' "the cost"
expect_tape '^ +160 S' "the selling price at a 25 % margin"
expect_tape '^ +40 P' "the profit"
clipboard_is 160 "the margin key"

type_into "$pid" '1000+234='
expect_tape '^ +1,234 T' "the total"
clipboard_is 1234 "a total copied without grouping"
# Totals so far: 150, 120 and 1,234.
tape_has ',"3 1504"' || fail "the state file holds no grand total of 3 totals, 1504: $(cat "$(state_file)")"

close_with_escape "$pid"
launch
[[ -n $(calculator_window "$pid" 'Numerette FREE') ]] || fail "the calculator did not come back"
focus_calculator "$pid"
keys ctrl+shift+g
expect_tape '^ +1,504 G' "the grand total after the restart"
expect_tape '^ 003 {22}' "the count of totals in the grand total"
clipboard_is 1504 "the grand total"
tape_has '"[.,]"'$'\r''?$' || fail "the emptied grand total is still in the state file: $(cat "$(state_file)")"
