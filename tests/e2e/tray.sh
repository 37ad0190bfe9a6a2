#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The notification-area icon with a real notification area: the icon appears, a click on it shows the
# calculator, the menu's Exit ends the process. Then without a tray: the program still runs and
# closing its window ends it, and a start for the notification area shows the calculator
# minimized instead of an icon nobody sees.
#   tray.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool trayer xwininfo xprop

# --- With a notification area ---------------------------------------------------------------------------
start_notification_area || fail "the notification area did not start"

"$program" systray &
pid=$!
started+=("$pid")
icon=$(tray_icon_window "$pid") || fail "no tray icon appeared"
visible_calculator "$pid" 1 >/dev/null && fail "systray showed the calculator at start"

# The start-up blink ends on the picture; a left click shows the calculator.
sleep 3
xdotool mousemove --window "$icon" 11 11 click 1
[[ -n $(visible_calculator "$pid") ]] || fail "a click on the icon did not show the calculator"

# Closing the calculator parks it in the notification area: the process stays.
xdotool windowfocus --sync "$(visible_calculator "$pid")"
xdotool key Escape
sleep 1
kill -0 "$pid" 2>/dev/null || fail "closing the calculator with a tray ended the process"

# The menu's Exit is its last item: Up from nothing chosen reaches it.
xdotool mousemove --window "$icon" 11 11 click 3
sleep 1
xdotool key Up Return
ends_within "$pid" 10 || fail "Exit from the tray menu did not end the process"

kill "$notification_area" 2>/dev/null
wait "$notification_area" 2>/dev/null
for (( i = 0; i < 50; i++ )); do
    xwininfo -name panel >/dev/null 2>&1 || break
    sleep 0.1
done

# --- Without a tray -----------------------------------------------------------------------------
icon=
settings=$HOME/.config/Numeret/Numeret.ini
mkdir -p "${settings%/*}"
# Starts the calculator with "Stay on System Tray when Exit" set to $1 and closes it with Esc.
start_and_close() {
    printf '[Conf]\nmnuSystray=%s\n' "$1" >"$settings"
    "$program" &
    pid=$!
    started+=("$pid")
    window=$(visible_calculator "$pid")
    [[ -n $window ]] || fail "without a tray the calculator did not show"
    xdotool windowfocus --sync "$window"
    xdotool key Escape
}
start_and_close False
ends_within "$pid" 10 || fail "without a tray, closing the calculator did not end the process"

# With "Stay on System Tray when Exit" checked, closing brings the calculator back minimized.
start_and_close True
for (( i = 0; i < 100; i++ )); do
    shows_minimized "$pid" && break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null || fail "closing to a missing tray ended the process"
shows_minimized "$pid" || fail "closing to a missing tray did not bring the calculator back minimized"

# A notification area that starts later takes the icon, and the next close parks the calculator there.
start_notification_area || fail "the notification area did not start"
icon=$(tray_icon_window "$pid") || fail "the notification area started later did not take the icon"
sleep 3
xdotool mousemove --window "$icon" 11 11 click 1
window=$(visible_calculator "$pid")
[[ -n $window ]] || fail "the minimized calculator could not be restored"
xdotool windowfocus --sync "$window"
xdotool key Escape
sleep 1
kill -0 "$pid" 2>/dev/null || fail "closing with a tray that started later ended the process"
shows_minimized "$pid" && fail "with a tray that started later, closing minimized the calculator again"
"$program" fechar
ends_within "$pid" 10 || fail "the parked calculator did not end on a close request"
kill "$notification_area" 2>/dev/null
wait "$notification_area" 2>/dev/null
for (( i = 0; i < 50; i++ )); do
    xwininfo -name panel >/dev/null 2>&1 || break
    sleep 0.1
done

"$program" systray &
pid=$!
started+=("$pid")
# Minimized, it carries the display as its caption: found by its minimized state instead.
for (( i = 0; i < 100; i++ )); do
    shows_minimized "$pid" && break
    sleep 0.1
done
shows_minimized "$pid" || fail "systray without a tray did not show the calculator minimized"
"$program" fechar
ends_within "$pid" 10 || fail "the minimized calculator did not end on a close request"
echo "tray: all checks passed"
