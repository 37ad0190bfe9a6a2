#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator as a screen reader meets it, on an accessibility bus of the test's own:
# the named objects of every window, the focus, and what is told while 12+30= is typed
# (screen_reader.py does the reading), and, where Orca is installed, that Orca says the
# total. Skipped without at-spi2-core or python3-pyatspi.
#   screen_reader.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1
readonly bus_launcher=/usr/libexec/at-spi-bus-launcher

# A session bus of the test's own: the accessibility bus is found through it, and no other
# program running meanwhile (another test's) may join it or be heard by the screen reader.
if [[ -z ${NUMERETTE_OWN_SESSION_BUS:-} ]]; then
    NUMERETTE_OWN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool
[[ -x $bus_launcher ]] || { echo "skipped: at-spi2-core is not installed" >&2; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed" >&2; exit 77; }

"$bus_launcher" --launch-immediately &
started+=("$!")
sleep 1

# With Orca installed, a screen reader listens too, as it would before the program starts;
# its debug log holds what it would say (speech-dispatcher without a sound output).
orca_log=
if command -v orca >/dev/null && command -v speech-dispatcher >/dev/null; then
    orca_log=$(mktemp "${TMPDIR:-/tmp}/numerette-orca.XXXXXX")
    orca --debug-file="$orca_log" >/dev/null 2>&1 &
    started+=("$!")
    sleep 5
else
    echo "note: orca or speech-dispatcher is not installed: what a screen reader says is not checked" >&2
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
launch
window=$(calculator_window "$pid" 'Numerette FREE')
[[ -n $window ]] || fail "the calculator window did not appear"
xdotool windowfocus --sync "$window"
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py" "$pid"
status=$?

if [[ -n $orca_log ]]; then
    said=no
    for (( attempt = 0; attempt < 100; attempt++ )); do
        grep -q "SPEECH OUTPUT: 'Total 42'" "$orca_log" && { said=yes; break; }
        sleep 0.1
    done
    if [[ $said == no ]]; then
        echo "Orca did not say 'Total 42'; it said:" >&2
        grep "SPEECH OUTPUT" "$orca_log" >&2
        status=1
    fi
    rm -f "$orca_log"
fi
exit "$status"
