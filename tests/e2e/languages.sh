#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in Brazilian Portuguese, with real X input: the desktop's language picks the
# texts, the locale's numbers stay as they are, and a tape written partly in English reads back.
#   - numerette-tape writes the same tape in both languages apart from the weekday;
#   - the calculator, started in English with Brazilian numbers, writes an interest report;
#   - started again under LANG=pt_BR.UTF-8 it shows its menus (Portuguese access keys lead to
#     Portuguese items), its message boxes and the interest window in Portuguese,
#     writes its report in Portuguese, and groups the capitalization totals of both reports.
#   languages.sh PATH-TO-NUMERETTE PATH-TO-NUMERETTE-TAPE none|openbox
set -uo pipefail

readonly program=$1 tape_program=$2 window_manager=${3:-none}

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip localedef
start_window_manager "$window_manager"

# The locale is generated into the test's own folder: nothing outside it changes.
export LOCPATH=$HOME/locale
mkdir -p "$LOCPATH"
localedef -i pt_BR -f UTF-8 "$LOCPATH/pt_BR.UTF-8" 2>/dev/null || [[ -d $LOCPATH/pt_BR.UTF-8 ]] \
    || fail "could not generate the pt_BR.UTF-8 locale"
export LANG=pt_BR.UTF-8

# --- numerette-tape: the same lines in both languages, the weekday translated ------------------
english_tape=$(LC_MESSAGES=C.UTF-8 "$tape_program" --today 2026-12-10 --decimal , '5+3,5=')
portuguese_tape=$("$tape_program" --today 2026-12-10 --decimal , '5+3,5=')
[[ $(head -n 1 <<<"$english_tape") == ' 10/12/2026 Thu'* ]] || fail "the English header is wrong: $english_tape"
[[ $(head -n 1 <<<"$portuguese_tape") == ' 10/12/2026 Qui'* ]] || fail "the Portuguese header is wrong: $portuguese_tape"
[[ $(tail -n +2 <<<"$english_tape") == "$(tail -n +2 <<<"$portuguese_tape")" ]] \
    || fail "the calculation differs between the languages: $english_tape / $portuguese_tape"
"$tape_program" --help | grep -q 'Opções' || fail "numerette-tape --help is not in Portuguese"

# The first word of the open message box (its title is the program's name), double-clicked:
# X11 puts the selection into PRIMARY.
first_word_of_box() {
    local box
    box=$(visible_window --pid "$pid" --name '^ Numerette$') || fail "no message box opened"
    sleep 0.5
    echo -n | xclip -selection primary -i
    xdotool mousemove --window "$box" 70 18 click --repeat 2 --delay 80 1
    sleep 0.5
    timeout 2 xclip -selection primary -o 2>/dev/null
}

# Types the interest example into the interest window the running calculator opens for "juro",
# which calculates at once; Esc closes the window and the report goes into the tape.
interest_report() {
    "$program" juro &
    ends_within $! 10 || fail "the second start with juro did not hand over and end"
    local window
    window=$(calculator_window "$pid" "$1")
    [[ -n $window ]] || fail "no interest window titled '$1'"
    xdotool windowfocus --sync "$window"
    xdotool type --delay 60 '1000'
    keys Return Return
    xdotool type --delay 60 '3'
    keys Return Return Return
    xdotool type --delay 60 '2,5'
    keys Return space
    sleep 1
    keys Escape
    sleep 1
}

# --- English texts with Brazilian numbers: the first report ------------------------------------
LC_MESSAGES=C.UTF-8 launch
[[ -n $(calculator_window "$pid" 'Numerette FREE') ]] || fail "the calculator window did not appear"
LC_MESSAGES=C.UTF-8 interest_report 'Calculate Capitalized Interest Amount'
expect_tape '^ +FINAL AMOUNT' "the English report"
close_with_escape "$pid"

# --- Portuguese ---------------------------------------------------------------------------------
launch
[[ -n $(calculator_window "$pid" 'Numerette FREE') ]] || fail "the calculator window did not come back"
# Settings is "Configurações" (Alt+C), the ENTER key's function "Função" (F), Add "Somar" (S):
# letters the English menus do not have there. The note about Add mode opens.
focus_calculator "$pid"
keys alt+c f s
[[ $(first_word_of_box) == 'Você' ]] || fail "the Add mode note does not begin in Portuguese"
keys Return
# F1: the hot-key help, then the handling tips, a question.
focus_calculator "$pid"
keys F1
[[ $(first_word_of_box) == 'Agora' ]] || fail "the hot-key help does not begin in Portuguese"
keys Return
[[ $(first_word_of_box) == 'DICAS' ]] || fail "the handling tips do not begin in Portuguese"
keys Escape

# In Add mode ENTER adds the typed figure.
type_into "$pid" '5'
keys Return
xdotool type --delay 60 '3'
keys Return
xdotool type --delay 60 '='
clipboard_becomes 8 || fail "5 ENTER 3 ENTER = did not put 8 on the clipboard in Portuguese"
interest_report 'Calcular Montante de Juros Capitalizados'
expect_tape '^ +MONTANTE FINAL' "the Portuguese report"

# Ctrl+A groups the capitalization totals of the English and the Portuguese report.
focus_calculator "$pid"
keys ctrl+a
expect_tape 'TOTAL CAPITALIZAÇÃO:' "the grouped totals"
saved=$(tr -d '\r' <"$(state_file)")
block=$(sed -n '/TOTAL CAPITALIZAÇÃO:/,$p' <<<"$saved")
for amount in '2.000,00' '100,78' '2.100,78'; do
    grep -qF -- " $amount " <<<"$block" || fail "the grouped totals lack $amount: $block"
done
close_with_escape "$pid"
echo "languages: the tape, a menu, message boxes, the interest window and its report in Portuguese; both reports grouped"
