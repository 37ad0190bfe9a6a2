#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clipboard monitor with the real X clipboard: numbers copied by another client are
# added to the running calculation of the calculator, and so is a second calculator's total.
#   clipboard_monitor.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

# Another client owns the clipboard with this text until the calculator takes it over.
copy_text() {
    printf "$1" | xclip -selection clipboard -quiet &
    started+=("$!")
}

clipboard() {
    timeout 5 xclip -selection clipboard -o 2>/dev/null
}

mkdir -p "$HOME/.config/Numeret"
printf '[Conf]\nMonitor=True\n' >"$HOME/.config/Numeret/Numeret.ini"

"$program" &
first=$!
started+=("$first")
window=$(calculator_window "$first" 'Numerette FREE')
[[ -n $window ]] || fail "the calculator shows no window"
sleep 0.5

# --- One column, lines ended by CR LF: three items and their total ------------------------------
copy_text '10\r\n20\r\n30'
tape_has '60 T' 1 || fail "the column was not totalled: $(cat "$(state_file 1)")"
tape=$(cat "$(state_file 1)")
for line in '10 +' '20 +' '30 =' ' 003'; do
    grep -qF -- "$line" <<<"$tape" || fail "the tape lacks '$line': $tape"
done
[[ $(clipboard) == 60 ]] || fail "the clipboard holds '$(clipboard)' instead of the total 60"

# --- Two columns: the products are added and totalled, and left on the clipboard ---------------
copy_text '2\t3\n4\t5'
tape_has ' 26 T' 1 || fail "the two columns were not totalled: $(cat "$(state_file 1)")"
grep -qF -- '6 +' "$(state_file 1)" || fail "the product 6 is not on the tape"
cmp -s <(clipboard) <(printf '6.00\r\n20.00\r\n') \
    || fail "the clipboard holds $(clipboard | od -c) instead of the two products"

# --- A total made in a second calculator arrives as one item of the first one's calculation ----
launch outra
aux=$pid
aux_window=$(calculator_window "$aux" 'Numerette \[Aux\]')
[[ -n $aux_window ]] || fail "outra opened no window titled 'Numerette [Aux]'"
xdotool windowfocus --sync "$aux_window"
xdotool type --delay 60 '5+3='
tape_has '8 T' 2 || fail "the second calculator did not total 5+3"
# The total lives on the clipboard only as long as the second calculator runs.
sleep 0.5
close_with_escape "$aux"
close_with_escape "$first"
tail -n 2 "$(state_file 1)" | grep -qF -- '8 +' \
    || fail "the second calculator's total is not the last item of the first: $(cat "$(state_file 1)")"

exit 0
