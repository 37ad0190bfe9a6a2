# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by the end-to-end scripts; sourced, not run. Every process started with
# `launch` (or added to `started`) is ended when the script exits.

# The main calculator's title, or the secondary one's; never the splash's.
readonly CalculatorTitle='Numerette (FREE|\[Aux\])'

# Skips the test (status 77 for CTest) unless it runs on the private Xvfb of
# run_under_x11.sh: it changes the X server for every client (the keyboard map, the window
# manager), which must not happen to a desktop.
require_private_server() {
    [[ ${NUMERETTE_PRIVATE_X:-} == 1 ]] && return 0
    echo "skipped: $1 changes the X server for every client; run it without DISPLAY, on a private Xvfb" >&2
    exit 77
}

# Skips the test (status 77 for CTest) unless every named tool is installed.
require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed" >&2; exit 77; }
    done
}

started=()
end_started() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
}
trap end_started EXIT

fail() {
    echo "$*" >&2
    exit 1
}

# Starts the program with the given arguments; the process id goes into $pid.
launch() {
    "$program" "$@" &
    pid=$!
    started+=("$pid")
}

# Prints the first visible window matching all the given xdotool search options, waiting up
# to 20 s for it. A window that vanishes while xdotool inspects it (the splash closing, say)
# makes xdotool die of a BadWindow error, so each search is one short attempt, repeated.
visible_window() {
    local attempt window
    for (( attempt = 0; attempt < 200; attempt++ )); do
        window=$(timeout 5 xdotool search --all --onlyvisible "$@" 2>/dev/null | head -n 1)
        [[ -n $window ]] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}

# Prints the visible calculator window of a process (or its window of the given title),
# waiting for it to appear.
calculator_window() {
    visible_window --pid "$1" --name "${2:-$CalculatorTitle}"
}

# True once the clipboard holds exactly the given text, within five seconds.
clipboard_becomes() {
    local attempt
    for (( attempt = 0; attempt < 50; attempt++ )); do
        [[ $(timeout 2 xclip -selection clipboard -o 2>/dev/null) == "$1" ]] && return 0
        sleep 0.1
    done
    return 1
}

# True once the process has ended, within the given number of seconds.
ends_within() {
    local attempt
    for (( attempt = 0; attempt < $2 * 10; attempt++ )); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# The state file of the main calculator, or of the one with the given host tag.
state_file() {
    find "$HOME" -name "numeret${1:-1}.fita" -print -quit
}

# Gives the calculator window of a process the keyboard focus.
focus_calculator() {
    local window
    window=$(calculator_window "$1")
    [[ -n $window ]] || fail "process $1 shows no calculator window"
    xdotool windowfocus --sync "$window"
}

# Presses keys in whatever window has the focus, slowly enough for modal windows to come up.
keys() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}

type_into() {
    focus_calculator "$1"
    xdotool type --delay 60 "$2"
}

# True when the process shows a minimized window.
shows_minimized() {
    local window
    for window in $(xdotool search --all --pid "$1" 2>/dev/null); do
        xprop -id "$window" WM_HINTS 2>/dev/null | grep -q Iconic && return 0
    done
    return 1
}

# Esc closes the calculator and the process ends. With no notification area to stay in, the
# main calculator closed with "Stay on System Tray when Exit" checked (the default) comes back
# minimized instead: a close request ends it then.
close_with_escape() {
    focus_calculator "$1"
    xdotool key Escape
    local attempt
    for (( attempt = 0; attempt < 100; attempt++ )); do
        kill -0 "$1" 2>/dev/null || return 0
        if shows_minimized "$1"; then
            timeout 10 "$program" fechar
            ends_within "$1" 10 && return 0
            break
        fi
        sleep 0.1
    done
    fail "the calculator of process $1 did not end after Esc"
}

# The first key code of a keysym in the server's keymap (needs xmodmap); xdotool would
# otherwise toggle NumLock to reach a keypad digit, and leave it changed.
keycode_of() {
    xmodmap -pke | awk -v sym="$1" '{ for (i = 4; i <= NF; i++) if ($i == sym) { print $2; exit } }'
}

# True once the saved calculation (the state file, written after every total) has a line
# matching the extended regular expression, within ten seconds.
tape_has() {
    local attempt saved
    for (( attempt = 0; attempt < 100; attempt++ )); do
        saved=$(state_file "${2:-1}")
        [[ -n $saved ]] && grep -Eq -- "$1" "$saved" && return 0
        sleep 0.1
    done
    return 1
}

# Prints the icon window of a process once the notification area has taken it in: a small window
# of the program's class whose parent is no longer the root window.
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

# Fails the test, showing the saved calculation, unless it gets a line matching the pattern.
expect_tape() {
    local saved
    tape_has "$1" && return 0
    saved=$(state_file)
    fail "${2:-the tape} has no line matching '$1': $([[ -n $saved ]] && cat "$saved")"
}

# Starts openbox on the display when the argument is "openbox" (a window manager gives and
# returns the focus as on a desktop), and waits until it manages windows; "none" runs bare.
start_window_manager() {
    local attempt
    case $1 in
        none) return 0 ;;
        openbox) require_tools openbox xprop; require_private_server "starting openbox" ;;
        *) fail "unknown window manager '$1'" ;;
    esac
    openbox --sm-disable >/dev/null 2>&1 &
    started+=("$!")
    for (( attempt = 0; attempt < 100; attempt++ )); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "openbox did not start"
}

# Starts the notification area `trayer` (its process id goes into $notification_area and
# `started`) and waits for its panel. trayer now and then exits at once on a fresh display; it
# gets three tries.
start_notification_area() {
    local try i log=$HOME/trayer.log
    for (( try = 0; try < 3; try++ )); do
        trayer --edge top --align right --widthtype pixel --width 120 --height 24 >"$log" 2>&1 &
        notification_area=$!
        started+=("$notification_area")
        for (( i = 0; i < 50; i++ )); do
            xwininfo -name panel >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$notification_area" 2>/dev/null
    done
    cat "$log" >&2
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
