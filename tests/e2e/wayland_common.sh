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

# Makes a scratch folder with an empty HOME and a private runtime folder, points the session's
# folders into it, and removes it at exit; its path goes into $scratch.
private_home() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/numerette-wayland.XXXXXX") || exit 1
    trap 'rm -rf "$scratch"' EXIT
    mkdir -m 700 "$scratch/runtime" "$scratch/home"
    export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/runtime
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
}
