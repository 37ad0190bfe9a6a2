# SPDX-License-Identifier: GPL-3.0-or-later
# What the Wayland end-to-end tests share before their session starts: the skip status, how
# they skip and fail, and a python3 with the D-Bus module.
readonly SkipStatus=77

skip() {
    echo "skipped: $*" >&2
    exit "$SkipStatus"
}

fail() {
    echo "$*" >&2
    exit 1
}

# A python3 that has the D-Bus module: a version manager's python3 may lack the distribution's.
python_with_dbus() {
    local python
    for python in python3 /usr/bin/python3; do
        "$python" -c 'import dbus' 2>/dev/null && { echo "$python"; return 0; }
    done
    return 1
}

# Has Qt's Wayland platform plugin (qt6-wayland).
have_qt_wayland_plugin() {
    compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so' >/dev/null
}

# A private HOME, runtime folder and XDG folders under the given scratch folder, and no
# display or session bus inherited from outside.
use_private_session_folders() {
    mkdir -m 700 "$1/runtime" "$1/home"
    export HOME=$1/home XDG_RUNTIME_DIR=$1/runtime
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
    unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
}

# --- Inside the session: processes started there end with the script; a failure is a line
# of the session's log that the outer run shows.
in_session() {
    started=()
    trap end_started EXIT
    fail() {
        echo "fail: $*"
        exit 1
    }
}

end_started() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
}

# Starts the calculator with the clipboard monitor on; its process id goes into $calculator.
# The instance socket appears as the first instance loads, right before its window shows.
start_monitoring_calculator() {
    mkdir -p "$HOME/.config/Numeret"
    printf '[Conf]\nMonitor=True\n' >"$HOME/.config/Numeret/Numeret.ini"
    "$program" &
    calculator=$!
    started+=("$calculator")
    local i
    for (( i = 0; i < 100; i++ )); do
        compgen -G "$XDG_RUNTIME_DIR/numerette-*" >/dev/null && break
        sleep 0.1
    done
    compgen -G "$XDG_RUNTIME_DIR/numerette-*" >/dev/null || fail "the calculator did not start"
    sleep 1
}

# Closes the calculator with a close request and sets line_counts to how often each given line
# end ("77 +", "60 T") stands on its saved tape, which it then removes.
close_and_count_lines() {
    timeout 10 "$program" fechar
    local i
    for (( i = 0; i < 100; i++ )); do
        kill -0 "$calculator" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$calculator" 2>/dev/null && fail "the calculator did not end on a close request"
    local saved
    saved=$(find "$HOME" -name numeret1.fita -print -quit)
    [[ -n $saved ]] || fail "the calculator saved no calculation"
    local line_end
    line_counts=()
    for line_end in "$@"; do
        line_counts+=("$(grep -cF " $line_end" "$saved")")
    done
    rm -f "$saved"
}
