#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator through XWayland in a headless mutter session, driven as a desktop user
# drives it: keys typed on the compositor's keyboard (not XTEST), the total read by a native
# Wayland client (wl-paste), keys pressed from outside with numerette --press, and a second
# start that brings the calculator up from behind a native Wayland window (the text field
# PATH-TO-PASTE-TARGET under Qt's Wayland plugin) to take typed keys again.
#   wayland_press_key.sh PATH-TO-NUMERETTE PATH-TO-PASTE-TARGET
# Runs itself inside `dbus-run-session -- mutter --headless` with a private HOME and runtime
# folder; skips (status 77) when mutter, Xwayland, wl-clipboard, python3-dbus or qt6-wayland
# is missing.
set -uo pipefail

readonly program=$1 target=$2
source "$(dirname "${BASH_SOURCE[0]}")/wayland_common.sh"

if [[ -z ${NUMERETTE_IN_MUTTER:-} ]]; then
    for tool in mutter Xwayland wl-paste dbus-run-session timeout; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    python_with_dbus >/dev/null || skip "python3-dbus is not installed"
    have_qt_wayland_plugin || skip "Qt's Wayland plugin (qt6-wayland) is not installed"
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/numerette-wayland.XXXXXX") || exit 1
    trap 'rm -rf "$scratch"' EXIT
    use_private_session_folders "$scratch"
    unset QT_QPA_PLATFORM
    export NUMERETTE_IN_MUTTER=1
    timeout 90 dbus-run-session -- mutter --headless --wayland --virtual-monitor 1280x1024 \
        -- "$0" "$program" "$target" >"$scratch/session.log" 2>&1
    status=$?
    grep -e '^result:' -e '^fail:' "$scratch/session.log" | sed 's/^fail: //' >&2
    (( status == 124 )) && fail "the Wayland session did not end within 90 s"
    exit "$status"
fi

# --- Inside the session ---------------------------------------------------------------------------
in_session

# The compositor's keyboard: one remote-desktop session for the whole run (its first key is
# lost, so a Shift press and release open it), fed evdev key codes through a pipe.
keys_in=$XDG_RUNTIME_DIR/keys
keyboard_out=$XDG_RUNTIME_DIR/keyboard.out
mkfifo "$keys_in"
"$(python_with_dbus)" - "$keys_in" >"$keyboard_out" 2>&1 <<'EOF' &
import dbus, sys, time
bus = dbus.SessionBus()
name = 'org.gnome.Mutter.RemoteDesktop'
path = dbus.Interface(bus.get_object(name, '/org/gnome/Mutter/RemoteDesktop'), name).CreateSession()
session = dbus.Interface(bus.get_object(name, path), name + '.Session')
session.Start()
def tap(code):
    session.NotifyKeyboardKeycode(dbus.UInt32(code), True)
    session.NotifyKeyboardKeycode(dbus.UInt32(code), False)
    time.sleep(0.08)
tap(42)
time.sleep(0.3)
print('ready', flush=True)
while True:
    with open(sys.argv[1]) as pipe:
        for line in pipe:
            for code in line.split():
                tap(int(code))
            print('typed', line.strip(), flush=True)
EOF
started+=("$!")
for (( i = 0; i < 100; i++ )); do
    grep -q ready "$keyboard_out" && break
    sleep 0.1
done
grep -q ready "$keyboard_out" || fail "no remote-desktop keyboard: $(cat "$keyboard_out")"

# evdev codes: 2 to 6 are the digits 1 to 5, 78 the keypad's plus, 28 Enter.
type_codes() {
    echo "$*" >"$keys_in"
    sleep 1
}

# True once a native Wayland client reads exactly the given text from the clipboard.
clipboard_becomes() {
    local attempt
    for (( attempt = 0; attempt < 50; attempt++ )); do
        [[ $(timeout 2 wl-paste --no-newline 2>/dev/null) == "$1" ]] && return 0
        sleep 0.1
    done
    return 1
}

clipboard() {
    timeout 2 wl-paste --no-newline 2>/dev/null
}

"$program" &
calculator=$!
started+=("$calculator")
for (( i = 0; i < 100; i++ )); do
    compgen -G "$XDG_RUNTIME_DIR/numerette-*" >/dev/null && break
    sleep 0.1
done
compgen -G "$XDG_RUNTIME_DIR/numerette-*" >/dev/null || fail "the calculator did not start"
sleep 2

# Typed on the compositor's keyboard into the focused calculator: 5 + 3 Enter.
type_codes 6 78 4 28
clipboard_becomes 8 || fail "typed 5+3 Enter, the clipboard holds '$(clipboard)', not 8"

# From outside, as a desktop shortcut runs it: 2 + 2 Enter.
for key in 2 + 2 '{Enter}'; do
    timeout 10 "$program" --press "$key" || fail "numerette --press '$key' ended with status $?"
done
clipboard_becomes 4 || fail "pressed 2+2 Enter from outside, the clipboard holds '$(clipboard)', not 4"

# A native Wayland window takes the focus, and the keys typed.
target_out=$XDG_RUNTIME_DIR/target.out
QT_QPA_PLATFORM=wayland "$target" >"$target_out" 2>/dev/null &
started+=("$!")
sleep 2
type_codes 2
grep -q 'old text1' "$target_out" || fail "the native Wayland window did not take the typed 1: $(cat "$target_out")"

# A second start ends and brings the calculator up, taking typed keys: 1 + 1 Enter.
timeout 10 "$program" || fail "a second start ended with status $?"
kill -0 "$calculator" 2>/dev/null || fail "the calculator ended when a second start handed over"
sleep 1
type_codes 2 78 2 28
clipboard_becomes 2 || fail "after a second start, typed 1+1 Enter, the clipboard holds '$(clipboard)', not 2"

timeout 10 "$program" fechar
for (( i = 0; i < 100; i++ )); do
    kill -0 "$calculator" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$calculator" 2>/dev/null && fail "the calculator did not end on a close request"
echo "result: wayland press key: all checks passed"
