#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator window in its large, normal, keypad-hidden and mini layouts on a real X
# server: each has its width, and a screenshot of each is kept for a person to look at.
#   layout_screenshots.sh PATH-TO-NUMERETTE ARTEFACT-FOLDER
set -uo pipefail

readonly program=$1 artefacts=$2

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool import

mkdir -p "$artefacts" || fail "cannot create $artefacts"
readonly settings="$HOME/.config/Numeret/Numeret.ini"

# shoot NAME WIDTH SETTINGS [COMMAND-WORD]: starts the program with the given settings,
# checks the window's width and keeps its picture as NAME.png.
shoot() {
    local name=$1 width=$2 window geometry
    mkdir -p "${settings%/*}"
    printf '[Conf]\n%b' "$3" >"$settings"
    launch ${4:+"$4"}
    if [[ -n ${4:-} ]]; then
        # Mini mode's title is the calculation's caption: any window once the splash is gone.
        sleep 2
        window=$(calculator_window "$pid" '.') || true
    else
        window=$(calculator_window "$pid") || true
    fi
    [[ -n $window ]] || fail "$name: no calculator window"
    sleep 1
    geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ {print $2}')
    [[ $geometry == "$width"x* ]] || fail "$name: the window is $geometry, not $width wide"
    import -window "$window" "$artefacts/$name.png" || fail "$name: no screenshot"
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "$name: $geometry, $artefacts/$name.png"
}

shoot large 348 'Letrona=True\nMenuXP=True\n'
shoot normal 220 'Letrona=False\nMenuXP=True\n'
shoot keypad-hidden 348 'Letrona=True\nOculte=True\n'
# A stored mini height skips the first mini start's hot-key help.
shoot mini 220 'MiniHeight=4500\n' mini
