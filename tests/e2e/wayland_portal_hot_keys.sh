#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hot keys through the desktop's global shortcuts in a headless mutter session, with a
# python3-dbusmock GlobalShortcuts portal on the session bus (global_shortcuts_portal.py):
# the calculator names its application id first, binds its named actions with their
# preferred keys, and a shortcut the desktop activates, the keypad 9 among them on a key the
# user chose instead, acts on the tape as the hot key does; under XWayland (the xcb plugin)
# and under Qt's Wayland plugin.
#   wayland_portal_hot_keys.sh PATH-TO-NUMERETTE
# Runs itself inside `dbus-run-session -- mutter --headless` with a private HOME and runtime
# folder; skips (status 77) when mutter, Xwayland, python3-dbusmock or qt6-wayland is missing.
set -uo pipefail

readonly program=$1
readonly here=$(dirname "${BASH_SOURCE[0]}")
source "$here/wayland_common.sh"

python_with_dbusmock() {
    local python
    python=$(python_with_dbus) && "$python" -c 'import dbusmock' 2>/dev/null && echo "$python"
}

if [[ -z ${NUMERETTE_IN_MUTTER:-} ]]; then
    for tool in mutter Xwayland dbus-run-session timeout; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    python_with_dbusmock >/dev/null || skip "python3-dbusmock is not installed"
    have_qt_wayland_plugin || skip "Qt's Wayland plugin (qt6-wayland) is not installed"
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/numerette-wayland.XXXXXX") || exit 1
    trap 'rm -rf "$scratch"' EXIT
    use_private_session_folders "$scratch"
    unset QT_QPA_PLATFORM
    export NUMERETTE_IN_MUTTER=1
    timeout 100 dbus-run-session -- mutter --headless --wayland --virtual-monitor 1280x1024 \
        -- "$0" "$program" >"$scratch/session.log" 2>&1
    status=$?
    grep -e '^result:' -e '^fail:' "$scratch/session.log" | sed 's/^fail: //' >&2
    (( status == 124 )) && fail "the Wayland session did not end within 100 s"
    exit "$status"
fi

# --- Inside the session ---------------------------------------------------------------------------
source "$here/e2e_common.sh"
in_session
readonly python=$(python_with_dbusmock)

# The user chose Ctrl+Alt+9 for the keypad's 9 in the desktop's dialog.
mock_log=$XDG_RUNTIME_DIR/portal.log
"$python" -m dbusmock --session -t "$here/global_shortcuts_portal.py" -l "$mock_log" \
    -p '{"assigned": {"keypad-9": "Ctrl+Alt+9"}}' >/dev/null 2>&1 &
started+=("$!")
# Owned before the calculator asks, or the bus would start the installed portal instead.
portal_owned() {
    "$python" -c 'import dbus, sys
sys.exit(0 if dbus.SessionBus().name_has_owner("org.freedesktop.portal.Desktop") else 1)' 2>/dev/null
}
for (( i = 0; i < 100; i++ )); do
    portal_owned && break
    sleep 0.1
done
portal_owned || fail "the stand-in portal did not start"

# The saved calculation on one line, for a failure's message.
tape() {
    tr -s ' \r\n' ' ' <"$(state_file)"
}

# The desktop activates a bound shortcut, as when the user presses the key it assigned.
activate() {
    "$python" - "$1" <<'PY' || fail "the portal could not activate $1"
import dbus, sys
portal = dbus.SessionBus().get_object('org.freedesktop.portal.Desktop', '/org/freedesktop/portal/desktop')
dbus.Interface(portal, 'org.freedesktop.DBus.Mock').Activate(sys.argv[1])
PY
    sleep 0.3
}

for plugin in xcb wayland; do
    export QT_QPA_PLATFORM=$plugin
    # A calculation of its own for each run.
    export XDG_DATA_HOME=$HOME/$plugin/data XDG_CONFIG_HOME=$HOME/$plugin/config
    mkdir -p "$XDG_CONFIG_HOME/Numeret"
    printf '[Conf]\nCalcEnter=True\n' >"$XDG_CONFIG_HOME/Numeret/Numeret.ini"
    calls_before=$(wc -l <"$mock_log")
    launch
    for (( i = 0; i < 100; i++ )); do
        tail -n +"$((calls_before + 1))" "$mock_log" | grep -q BindShortcuts && break
        sleep 0.1
    done
    first_call=$(tail -n +"$((calls_before + 1))" "$mock_log" | head -n 1)
    [[ $first_call == *'Register "numerette"'* ]] \
        || fail "$plugin: the calculator did not name its application id first: $first_call"
    bound=$(tail -n +"$((calls_before + 1))" "$mock_log" | grep BindShortcuts)
    [[ -n $bound ]] || fail "$plugin: the calculator bound no shortcuts at the portal"
    for trigger in "'keypad-5'" CTRL+KP_5 CTRL+KP_Add CTRL+ALT+Return CTRL+SHIFT+c; do
        [[ $bound == *"$trigger"* ]] || fail "$plugin: the binding lacks $trigger: $bound"
    done
    # The answer comes a moment after the binding.
    sleep 1

    # Add mode: 5, add, 9, add, total.
    for name in keypad-5 enter keypad-9 enter alt-enter; do
        activate "$name"
    done
    tape_has ' 14 T' || fail "$plugin: the shortcuts 5, Enter, 9, Enter, Ctrl+Alt+Enter gave no total of 14: $(tape)"
    grep -q '^ *5 +' "$(state_file)" && grep -q '^ *9 [+=]' "$(state_file)" \
        || fail "$plugin: the tape lacks the items 5 and 9: $(tape)"

    "$program" fechar
    ends_within "$pid" 10 || fail "$plugin: the calculator did not end on a close request"
done
echo "result: wayland portal hot keys: all checks passed"
