#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sound server that takes the connection and never answers never holds the window: the
# calculator opens with its musical sounds on, answers throughout, and falls silent after its
# time limit; Ctrl+B (Beep) then tells that the sound card cannot be reached, and Esc still
# closes the program. A window the server held would freeze for the 25-30 s a connection takes
# to give up, so "answers" means within two seconds: far from a freeze, and beyond what a
# loaded machine adds to an answer. Nothing else is timed.
#   stalled_sound_server.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1
readonly answer_limit_ms=2000

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip python3

now_ms() {
    echo $(( $(date +%s%N) / 1000000 ))
}

# For the given seconds, asks the calculator every 50 ms for the clipboard text it owns (its
# own thread for windows answers) and fails when an answer takes longer than the limit: the
# window froze.
answers_throughout() {
    local until=$(( $(now_ms) + $1 * 1000 )) start took slowest=0
    while (( $(now_ms) < until )); do
        start=$(now_ms)
        [[ $(timeout 5 xclip -selection clipboard -o 2>/dev/null) == 3 ]] || fail "the calculator did not answer for its clipboard ($2)"
        took=$(( $(now_ms) - start ))
        (( took > slowest )) && slowest=$took
        (( took > answer_limit_ms )) && fail "the calculator froze: it took $took ms to answer ($2)"
        sleep 0.05
    done
    echo "slowest answer $slowest ms ($2)"
}

# Accepts every connection and never answers.
python3 -c '
import socket, sys
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(sys.argv[1])
server.listen(16)
held = []
while True:
    held.append(server.accept()[0])
' "$HOME/stalled-pulse" &
started+=("$!")
for (( i = 0; i < 50; i++ )); do [[ -S $HOME/stalled-pulse ]] && break; sleep 0.1; done
export PULSE_SERVER=unix:$HOME/stalled-pulse

launch
# calculator_window waits some 20 s for the window, less than a held connection takes to give up.
calculator=$(calculator_window "$pid") || fail "the calculator did not open"

xdotool windowfocus --sync "$calculator"
xdotool type --delay 30 '1+2='
clipboard_becomes 3 || fail "1+2= did not put 3 on the clipboard"
answers_throughout 4 "sounds opening at load"

xdotool key ctrl+b
answers_throughout 4 "Ctrl+B"
box=$(visible_window --pid "$pid" --name '^ Numerette$') || fail "Ctrl+B did not end in a message"
xdotool windowfocus --sync "$box"
xdotool key Return

close_with_escape "$pid"
echo "stalled_sound_server: all checks passed"
