#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The tape history with real X keys. A list typed without the history and left from
# yesterday is backed up when the calculator starts today, and comes into the history beside
# today's total; Ctrl+H opens the history window, a search by amount finds yesterday's
# calculation, Enter on it re-enters its total into the calculator, and a calculation is
# deleted only after the confirmation's Yes.
#   tape_history.sh PATH-TO-NUMERETTE
set -uo pipefail

program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip python3

readonly config=$HOME/.config/Numeret/Numeret.ini
readonly archive=$HOME/.local/share/Numeret/Numeret/numeret-history.sqlite

# Prints what the query finds in the archive (one row, fields separated by blanks).
archive_row() {
    python3 - "$archive" "$1" <<'PY'
import sqlite3, sys
row = sqlite3.connect(sys.argv[1]).execute(sys.argv[2]).fetchone()
print(*row)
PY
}

# --- Yesterday, without the history --------------------------------------------------------
mkdir -p "$(dirname "$config")"
printf '[Conf]\nHistorico=0\n' >"$config"
launch
[[ -n $(calculator_window "$pid") ]] || fail "the calculator window did not appear"
type_into "$pid" '40+2='
tape_has ' 42 T' || fail "the first total did not reach the saved calculation"
close_with_escape "$pid"
[[ ! -e $archive ]] || fail "the history was written while switched off"

# The saved list becomes yesterday's: its date and its header's date, in the order written.
python3 - "$(state_file)" <<'PY' || fail "could not date the saved list yesterday"
import datetime, sys
path = sys.argv[1]
text = open(path, encoding="utf-8", newline="").read()
today = datetime.date.today()
yesterday = today - datetime.timedelta(days=1)
text = text.replace(today.isoformat(), yesterday.isoformat(), 1)
for form in ("%d/%m/%Y", "%m/%d/%Y"):
    text = text.replace(" " + today.strftime(form) + " ", " " + yesterday.strftime(form) + " ")
open(path, "w", encoding="utf-8", newline="").write(text)
PY

# --- Today, with the history ---------------------------------------------------------------
printf '[Conf]\nHistorico=-1\n' >"$config"
launch
[[ -n $(calculator_window "$pid") ]] || fail "the calculator window did not appear the second time"
type_into "$pid" '5+3='
clipboard_becomes 8 || fail "expected today's total 8 on the clipboard"
for (( attempt = 0; attempt < 50; attempt++ )); do
    [[ -e $archive && $(archive_row 'SELECT count(DISTINCT day) FROM calculations') == 2 ]] && break
    sleep 0.1
done
[[ $(archive_row 'SELECT count(DISTINCT day) FROM calculations') == 2 ]] \
    || fail "expected two days in the history, found: $(archive_row 'SELECT group_concat(day) FROM calculations')"
[[ $(stat -c %a "$archive") == 600 ]] || fail "the history is readable by others: $(stat -c %a "$archive")"

focus_calculator "$pid"
keys ctrl+h
history=$(visible_window --pid "$pid" --name 'Tape History') || fail "Ctrl+H opened no history window"
xdotool windowfocus --sync "$history"
# The amount field has the focus; yesterday's total is found and the tape jumps to it.
xdotool type --delay 60 '42'
keys Return alt+t Return
keys Escape
type_into "$pid" '+1='
clipboard_becomes 43 || fail "expected 42 re-entered and 43 totalled, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"

# Delete yesterday's calculation: No keeps it, Yes deletes it.
yesterday=$(date -d yesterday +%F)
focus_calculator "$pid"
keys ctrl+h
history=$(visible_window --pid "$pid" --name 'Tape History') || fail "Ctrl+H opened no history window again"
xdotool windowfocus --sync "$history"
# 42 is in today's calculation as well now; 40 only in yesterday's.
xdotool type --delay 60 '40'
keys Return alt+t alt+e
keys alt+n
[[ $(archive_row "SELECT count(*) FROM calculations WHERE day = '$yesterday'") == 1 ]] \
    || fail "the calculation was deleted although the answer was No"
keys alt+e
keys alt+y
for (( attempt = 0; attempt < 50; attempt++ )); do
    [[ $(archive_row "SELECT count(*) FROM calculations WHERE day = '$yesterday'") == 0 ]] && break
    sleep 0.1
done
[[ $(archive_row "SELECT count(*) FROM calculations WHERE day = '$yesterday'") == 0 ]] \
    || fail "the calculation was not deleted after Yes"
keys Escape
close_with_escape "$pid"
# Closed cleanly: the write-ahead log is folded into the file and removed.
[[ ! -e $archive-wal ]] || fail "the history was not closed cleanly"
exit 0
