#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The notification-area icon with a real tray host: the icon appears, a click on it shows the
# calculator, the menu's Exit ends the process. Then without a tray: the program still runs and
# closing its window ends it.
#   tray.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool trayer xwininfo

# Prints the icon window of a process once the tray host has taken it in: a small window of
# the program's class whose parent is no longer the root window.
tray_icon_window() {
    local attempt window size
    for (( attempt = 0; attempt < 100; attempt++ )); do
        for window in $(xdotool search --all --pid "$1" --classname numerette 2>/dev/null); do
            size=$(xdotool getwindowgeometry "$window" 2>/dev/null | awk '/Geometry:/ {print $2}')
            [[ $size =~ ^([0-9]+)x([0-9]+)$ ]] && (( BASH_REMATCH[1] <= 32 && BASH_REMATCH[2] <= 32 )) || continue
            xwininfo -tree -id "$window" 2>/dev/null | grep -q 'Parent window id: .*(the root window)' && continue
            echo "$window"
            return 0
        done
        sleep 0.1
    done
    return 1
}

# Prints the visible calculator window of a process, waiting up to the given seconds; the icon
# window, whose title is the icon's tip, does not count.
visible_calculator() {
    local attempt window
    for (( attempt = 0; attempt < ${2:-20} * 10; attempt++ )); do
        window=$(xdotool search --all --onlyvisible --pid "$1" --name "$CalculatorTitle" 2>/dev/null | grep -vx "${icon:-none}" | head -n 1)
        [[ -n $window ]] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}

# --- With a tray host ---------------------------------------------------------------------------
# trayer now and then exits at once on a fresh display; it gets three tries.
start_tray_host() {
    local i
    trayer --edge top --align right --widthtype pixel --width 120 --height 24 >"$tray_log" 2>&1 &
    tray_host=$!
    started+=("$tray_host")
    for (( i = 0; i < 50; i++ )); do
        xwininfo -name panel >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    kill "$tray_host" 2>/dev/null
    return 1
}
tray_log=$HOME/trayer.log
started_tray=false
for (( try = 0; try < 3; try++ )); do
    start_tray_host && { started_tray=true; break; }
done
$started_tray || { cat "$tray_log" >&2; fail "the tray host did not start"; }

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

kill "$tray_host" 2>/dev/null
wait "$tray_host" 2>/dev/null
for (( i = 0; i < 50; i++ )); do
    xwininfo -name panel >/dev/null 2>&1 || break
    sleep 0.1
done

# --- Without a tray -----------------------------------------------------------------------------
icon=
"$program" &
pid=$!
started+=("$pid")
window=$(visible_calculator "$pid")
[[ -n $window ]] || fail "without a tray the calculator did not show"
xdotool windowfocus --sync "$window"
xdotool key Escape
ends_within "$pid" 10 || fail "without a tray, closing the calculator did not end the process"
echo "tray: all checks passed"
