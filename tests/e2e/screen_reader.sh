#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator as a screen reader meets it, on an accessibility bus of the test's own:
# the named objects of every window, the focus, and what is told while 12+30= is typed
# (screen_reader.py does the reading). Skipped without at-spi2-core or python3-pyatspi.
#   screen_reader.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1
readonly bus_launcher=/usr/libexec/at-spi-bus-launcher

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool
[[ -x $bus_launcher ]] || { echo "skipped: at-spi2-core is not installed" >&2; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed" >&2; exit 77; }

"$bus_launcher" --launch-immediately &
started+=("$!")
sleep 1

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
launch
window=$(calculator_window "$pid" 'Numerette FREE')
[[ -n $window ]] || fail "the calculator window did not appear"
xdotool windowfocus --sync "$window"
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py" "$pid"
