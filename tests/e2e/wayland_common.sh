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
