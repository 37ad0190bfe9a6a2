#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clipboard monitor under Qt's native Wayland plugin, in a headless mutter session: a
# number copied by another Wayland client (wl-copy) is added exactly once, although clearing
# the clipboard there leaves the other client's selection in place; a different number is
# taken next, and the first one copied again after it is added again.
#   wayland_clipboard_monitor.sh PATH-TO-NUMERETTE
# Runs itself inside `dbus-run-session -- mutter --headless` with a private HOME and runtime
# folder; skips (status 77) when mutter, wl-clipboard, python3-dbus or qt6-wayland is missing.
set -uo pipefail

readonly program=$1
source "$(dirname "${BASH_SOURCE[0]}")/wayland_common.sh"

if [[ -z ${NUMERETTE_IN_MUTTER:-} ]]; then
    for tool in mutter wl-copy dbus-run-session timeout; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    python_with_dbus >/dev/null || skip "python3-dbus is not installed"
    have_qt_wayland_plugin || skip "Qt's Wayland plugin (qt6-wayland) is not installed"
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/numerette-wayland.XXXXXX") || exit 1
    trap 'rm -rf "$scratch"' EXIT
    use_private_session_folders "$scratch"
    export NUMERETTE_IN_MUTTER=1 QT_QPA_PLATFORM=wayland
    # The session ends with this script's inner run; the bound keeps a stuck compositor from
    # holding the test.
    timeout 90 dbus-run-session -- mutter --headless --wayland --no-x11 --virtual-monitor 1280x1024 \
        -- "$0" "$program" >"$scratch/session.log" 2>&1
    status=$?
    grep -v -e '^dbus-daemon' -e 'libmutter-Message' "$scratch/session.log" | grep -e '^result:' -e '^fail:' \
        | sed 's/^fail: //' >&2
    (( status == 124 )) && fail "the Wayland session did not end within 90 s"
    exit "$status"
fi

# --- Inside the session ---------------------------------------------------------------------------
in_session

# The headless seat has no keyboard until a remote-desktop session gives it one, and without
# a keyboard wl-copy cannot set the selection. The session lives as long as its client; its
# first key is lost, so a Shift press and release make the keyboard appear.
keyboard_out=$XDG_RUNTIME_DIR/keyboard.out
"$(python_with_dbus)" - >"$keyboard_out" 2>&1 <<'EOF' &
import dbus, time
bus = dbus.SessionBus()
name = 'org.gnome.Mutter.RemoteDesktop'
path = dbus.Interface(bus.get_object(name, '/org/gnome/Mutter/RemoteDesktop'), name).CreateSession()
session = dbus.Interface(bus.get_object(name, path), name + '.Session')
session.Start()
left_shift = dbus.UInt32(42)
session.NotifyKeyboardKeycode(left_shift, True)
session.NotifyKeyboardKeycode(left_shift, False)
time.sleep(0.3)
print('ready', flush=True)
time.sleep(3600)
EOF
started+=("$!")
for (( i = 0; i < 100; i++ )); do
    grep -q ready "$keyboard_out" && break
    sleep 0.1
done
grep -q ready "$keyboard_out" || fail "no remote-desktop keyboard: $(cat "$keyboard_out")"

start_monitoring_calculator

# Each copy takes the focus for a moment; the calculator, focused again, is offered the
# selection. A copy read again and again shows within the pause as thousands of items.
for number in 77 88 77; do
    wl-copy "$number" || fail "wl-copy $number failed"
    sleep 2
done

close_and_count_lines '77 +' '88 +'
(( line_counts[0] == 2 && line_counts[1] == 1 )) \
    || fail "77 was added ${line_counts[0]} times (2 expected) and 88 ${line_counts[1]} times (1 expected)"
echo "result: wayland clipboard monitor: all checks passed"
