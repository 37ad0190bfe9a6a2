#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The notification-area menu opens while each tool window is open (a tool is modal to the
# calculator only), and its Exit ends the program with a tool still open.
#   tray_tool_windows.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool trayer xwininfo

# Prints the open tray menu of the process: a visible window of it other than the icon, the
# calculator and the open tool, waiting up to 1.5 s for it.
shown_menu() {
    local attempt window
    for (( attempt = 0; attempt < 15; attempt++ )); do
        for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            [[ $window == "$icon" || $window == "$calculator" || $window == "${tool:-}" ]] && continue
            echo "$window"
            return 0
        done
        sleep 0.1
    done
    return 1
}

# Right-clicks the icon and prints the menu that opens. A window that has just opened may
# still be taking the focus, which closes a menu at once; the click then comes again.
tray_menu() {
    local try
    for (( try = 0; try < 3; try++ )); do
        xdotool mousemove --window "$icon" 11 11 click 3
        shown_menu && return 0
    done
    return 1
}

# True once the window is no longer shown, within three seconds.
hidden_soon() {
    local attempt
    for (( attempt = 0; attempt < 30; attempt++ )); do
        xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}

# Opens a tool from the focused calculator with its key and waits for its window.
open_tool() {
    xdotool windowfocus --sync "$calculator"
    xdotool key "$1"
    tool=$(visible_window --pid "$pid" --name "^ $2\$") || fail "$1 did not open the window \"$2\""
    # Without a window manager a tool kept on top may lie over the panel: away from the icon.
    xdotool windowmove --sync "$tool" 0 100
}

start_notification_area || fail "the notification area did not start"
launch
icon=$(tray_icon_window "$pid") || fail "no tray icon appeared"
calculator=$(visible_calculator "$pid") || fail "the calculator did not show"
# The start-up blink ends on the picture.
sleep 3

tools=("F5:Calculate Date" "ctrl+t:Rule of Three Calculation" "shift+F5:Ideal Weight"
       "ctrl+j:Calculate Capitalized Interest Amount")
for entry in "${tools[@]}"; do
    key=${entry%%:*} title=${entry#*:}
    open_tool "$key" "$title"
    menu=$(tray_menu) || fail "the tray menu did not open while \"$title\" was open"
    xdotool key Escape
    hidden_soon "$menu" || fail "Esc did not close the tray menu"
    xdotool windowfocus --sync "$tool"
    xdotool key Escape
    hidden_soon "$tool" || fail "Esc did not close \"$title\""
    tool=
done

# Exit, the menu's last item, ends the program with a tool open.
open_tool ctrl+j "Calculate Capitalized Interest Amount"
tray_menu >/dev/null || fail "the tray menu did not open for Exit"
xdotool key Up Return
ends_within "$pid" 10 || fail "Exit from the tray menu did not end the program while a tool was open"
echo "tray_tool_windows: all checks passed"
