#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator under a real dark desktop theme (qt6ct with its "darker" colour scheme): the
# menu bar's text, read from a screenshot, stands out from the bar by at least the WCAG AA
# ratio of 4.5:1, with the program's own menu look and with the desktop's.
#   dark_theme.sh PATH-TO-NUMERETTE ARTEFACT-FOLDER
set -uo pipefail

readonly program=$1 artefacts=$2
readonly scheme=/usr/share/qt6ct/colors/darker.conf

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool import convert python3
[[ -r $scheme ]] || { echo "skipped: qt6ct's darker colour scheme is not installed" >&2; exit 77; }

mkdir -p "$artefacts" "$HOME/.config/qt6ct" || fail "cannot create the folders"
printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' "$scheme" \
    >"$HOME/.config/qt6ct/qt6ct.conf"
export QT_QPA_PLATFORMTHEME=qt6ct
readonly settings="$HOME/.config/Numeret/Numeret.ini"

# Prints "BACKGROUND-LUMINANCE CONTRAST" of an RGB picture WIDTH x HEIGHT read from stdin:
# the background is its most common colour, the ink the pixel that stands out most from it.
measure() {
    python3 -c '
import sys
from collections import Counter
data = sys.stdin.buffer.read()
pixels = Counter(data[i:i + 3] for i in range(0, len(data) - 2, 3))
def luminance(p):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in p)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b
background = luminance(pixels.most_common(1)[0][0])
def ratio(l):
    return (max(l, background) + 0.05) / (min(l, background) + 0.05)
print("%.3f %.2f" % (background, max(ratio(luminance(p)) for p in pixels)))
'
}

# check NAME SETTINGS: starts the program, shoots its window and measures its menu bar.
check() {
    local name=$1 window width background contrast
    mkdir -p "${settings%/*}"
    printf '[Conf]\n%b' "$2" >"$settings"
    launch
    window=$(calculator_window "$pid") || fail "$name: no calculator window"
    sleep 1
    import -window "$window" "$artefacts/$name.png" || fail "$name: no screenshot"
    kill "$pid"
    wait "$pid" 2>/dev/null
    width=$(xdotool getwindowgeometry "$window" 2>/dev/null | awk '/Geometry:/ {split($2, s, "x"); print s[1]}')
    # The menu bar's first rows of text, clear of the tape below it.
    read -r background contrast < <(convert "$artefacts/$name.png" -crop "${width:-348}x16+0+2" -depth 8 rgb:- | measure)
    echo "$name: menu bar background luminance $background, text contrast $contrast:1, $artefacts/$name.png"
    python3 -c "import sys; sys.exit(0 if $contrast >= 4.5 else 1)" \
        || fail "$name: the menu bar's text has a contrast of $contrast:1, below 4.5:1"
    python3 -c "import sys; sys.exit(0 if $background < 0.2 else 1)" \
        || fail "$name: the menu bar is not dark (luminance $background): the dark theme did not apply, or the look kept its light colours"
}

check own-menus 'MenuXP=True\n'
check desktop-menus 'MenuXP=False\n'
