#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clipboard monitor in a headless sway session while a native Wayland window (the text
# field PATH-TO-PASTE-TARGET under Qt's Wayland plugin) has the focus: a number copied by a
# native Wayland client (wl-copy) is added exactly once and removed from the clipboard, a
# different one is taken next, and the first one copied again is added again; a column's total
# and two columns' products are left on the clipboard for the native window. Sway hands a
# Wayland selection to X11 clients only when one of them takes the focus, so this is the
# calculator's data-control watch at work; it runs through XWayland (the xcb plugin) and under
# Qt's Wayland plugin.
#   wayland_sway_clipboard_monitor.sh PATH-TO-NUMERETTE PATH-TO-PASTE-TARGET
# Runs itself inside `dbus-run-session -- sway` with a private HOME and runtime folder, as an
# unprivileged user when started as root (sway refuses root); skips (status 77) when sway,
# Xwayland, wl-clipboard, python3 or qt6-wayland is missing.
set -uo pipefail

readonly program=$1 target=$2
source "$(dirname "${BASH_SOURCE[0]}")/wayland_common.sh"

if [[ -z ${NUMERETTE_IN_SWAY:-} ]]; then
    for tool in sway swaymsg Xwayland wl-copy wl-paste dbus-run-session timeout python3; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    have_qt_wayland_plugin || skip "Qt's Wayland plugin (qt6-wayland) is not installed"
    as_user=()
    if (( EUID == 0 )); then
        command -v setpriv >/dev/null || skip "setpriv is not installed, and sway refuses to run as root"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/numerette-sway.XXXXXX") || exit 1
    trap 'rm -rf "$scratch"' EXIT
    chmod 755 "$scratch"
    use_private_session_folders "$scratch"
    # The unprivileged user may not reach the build (a checkout under /root): it then runs copies.
    script=$0 run_program=$program run_target=$target
    if (( EUID == 0 )) && ! "${as_user[@]}" test -x "$program" -a -x "$target" -a -r "$0"; then
        mkdir "$scratch/bin"
        cp "$program" "$target" "$0" "$(dirname "${BASH_SOURCE[0]}")/wayland_common.sh" "$scratch/bin/"
        chmod -R a+rX "$scratch/bin"
        script=$scratch/bin/${0##*/} run_program=$scratch/bin/${program##*/} run_target=$scratch/bin/${target##*/}
    fi
    # sway's exec runs its command through a shell; a ';' would end sway's own command.
    printf 'xwayland enable\nexec %q %q %q\n' "$script" "$run_program" "$run_target" >"$scratch/sway.config"
    (( EUID == 0 )) && chown -R 65534:65534 "$scratch/runtime" "$scratch/home"
    export NUMERETTE_IN_SWAY=1 WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
    unset QT_QPA_PLATFORM
    # The inner run ends the session; the bound keeps a stuck compositor from holding the test.
    timeout 100 "${as_user[@]}" dbus-run-session -- sway -c "$scratch/sway.config" >"$scratch/sway.log" 2>&1
    status=$?
    (( status == 124 )) && fail "the sway session did not end within 100 s"
    [[ -f $scratch/runtime/inner.log ]] || fail "sway did not run the test: $(tail -5 "$scratch/sway.log")"
    grep -e '^result:' -e '^fail:' "$scratch/runtime/inner.log" | sed 's/^fail: //' >&2
    inner_status=$(cat "$scratch/runtime/inner.status" 2>/dev/null)
    exit "${inner_status:-1}"
fi

# --- Inside the session ---------------------------------------------------------------------------
exec >"$XDG_RUNTIME_DIR/inner.log" 2>&1
in_session
trap 'status=$?; end_started; echo "$status" >"$XDG_RUNTIME_DIR/inner.status"; swaymsg exit >/dev/null' EXIT

# The app_id of the focused window, as sway tells it.
focused_app() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("focused"):
        return node.get("app_id") or node.get("window_properties", {}).get("class") or node.get("name")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = walk(child)
        if found:
            return found
print(walk(json.load(sys.stdin)) or "")'
}

# What a native Wayland client reads from the clipboard, or "(nothing)".
clipboard() {
    timeout 2 wl-paste --no-newline 2>/dev/null || echo "(nothing)"
}

for platform in xcb wayland; do
    export QT_QPA_PLATFORM=$platform
    # What was copied before the calculator opened is not a number to add.
    wl-copy 55 || fail "$platform: wl-copy 55 failed"
    start_monitoring_calculator
    QT_QPA_PLATFORM=wayland "$target" >/dev/null 2>&1 &
    field=$!
    started+=("$field")
    sleep 2
    [[ $(focused_app) == paste_target ]] || fail "$platform: the native window does not have the focus: '$(focused_app)'"

    for number in 77 88 77; do
        wl-copy "$number" || fail "$platform: wl-copy $number failed"
        sleep 2
        [[ $(clipboard) == "(nothing)" ]] \
            || fail "$platform: the clipboard still holds '$(clipboard)' after $number was taken"
    done
    # A column is added line by line and the calculation totalled; the total, put on the
    # clipboard for the native window, is not taken again.
    printf '10\n20\n30\n' | wl-copy || fail "$platform: wl-copy of a column failed"
    sleep 2
    [[ $(clipboard) == 302 ]] || fail "$platform: after a copied column the clipboard holds '$(clipboard)', not the total 302"
    # Two columns are multiplied row by row; the products are left on the clipboard.
    printf '2\t3\n4\t5\n' | wl-copy || fail "$platform: wl-copy of two columns failed"
    sleep 2
    [[ $(clipboard | tr -d '\r') == $'6.00\n20.00' ]] \
        || fail "$platform: after two copied columns the clipboard holds '$(clipboard)', not their products"
    [[ $(focused_app) == paste_target ]] || fail "$platform: the native window lost the focus to '$(focused_app)'"

    kill "$field"
    wait "$field" 2>/dev/null
    close_and_count_lines '55 +' '77 +' '88 +' '10 +' '20 +' '30 =' '302 T' '302 +'
    [[ ${line_counts[*]} == '0 2 1 1 1 1 1 0' ]] \
        || fail "$platform: the lines 55 +, 77 +, 88 +, 10 +, 20 +, 30 =, 302 T and 302 + stand ${line_counts[*]} times on the tape (0 2 1 1 1 1 1 0 expected)"
done
echo "result: sway clipboard monitor with a native Wayland window focused: all checks passed"
