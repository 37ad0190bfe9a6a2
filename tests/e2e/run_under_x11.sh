#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one end-to-end test command on a working X display:
#   run_under_x11.sh COMMAND [ARG...]
# Uses $DISPLAY when an X server answers there, otherwise starts a private Xvfb and stops it afterwards.
# Every run gets fresh, empty HOME and XDG_RUNTIME_DIR directories (even inside a test runner's own
# private ones), so tests never see the real home nor the files and instance sockets another test
# left behind. Without a session bus the command runs inside dbus-run-session, which stops the bus
# afterwards; a Qt xcb process would otherwise autolaunch a dbus-daemon that outlives the test.
# Exits with the command's status, or 77 (a skip for CTest) when no X server can be had.
# NUMERETTE_PRIVATE_X is set to 1 when the server is the private Xvfb, which a test may
# change for everyone (keyboard map, window manager); otherwise it is unset.
set -uo pipefail

readonly SkipStatus=77

if (( $# == 0 )); then
    echo "usage: ${0##*/} COMMAND [ARG...]" >&2
    exit 2
fi

skip() {
    echo "${0##*/}: skipped: $*" >&2
    exit "$SkipStatus"
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/numerette-x11.XXXXXX") || exit 1
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

display_answers() {
    DISPLAY=$1 xdpyinfo >/dev/null 2>&1
}

# True once our Xvfb serves display :$1. The lock file must name our server: when two runs race
# for the same number, the loser's Xvfb exits and the display that answers is the winner's.
xvfb_ready() {
    local lock=/tmp/.X$1-lock attempt
    for (( attempt = 0; attempt < 100; attempt++ )); do
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        if display_answers ":$1"; then
            [[ -r $lock && $(tr -d ' \n' <"$lock") == "$xvfb_pid" ]] && return 0
            return 1
        fi
        sleep 0.1
    done
    return 1
}

start_xvfb() {
    local number
    for (( number = 99; number < 200; number++ )); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        # -noreset: by default the server resets when its last client leaves, and refuses
        # connections meanwhile; the readiness probe's own disconnect would start one.
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
        xvfb_pid=$!
        if xvfb_ready "$number"; then
            export DISPLAY=:$number NUMERETTE_PRIVATE_X=1
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    done
    return 1
}

command -v xdpyinfo >/dev/null || skip "xdpyinfo is not installed (Debian package x11-utils)"
unset NUMERETTE_PRIVATE_X
if [[ -z ${DISPLAY:-} ]] || ! display_answers "$DISPLAY"; then
    command -v Xvfb >/dev/null || skip "no usable X display and Xvfb is not installed (Debian package xvfb)"
    if ! start_xvfb; then
        cat "$scratch/xvfb.log" >&2
        skip "could not start Xvfb on any display from :99 to :199"
    fi
fi

mkdir -m 700 "$scratch/runtime" "$scratch/home"
export HOME=$scratch/home
export XDG_RUNTIME_DIR=$scratch/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

if [[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
    "$@"
elif command -v dbus-run-session >/dev/null; then
    dbus-run-session -- "$@"
else
    # No bus to give the command: stop libdbus from autolaunching one that would outlive it.
    DBUS_SESSION_BUS_ADDRESS=disabled: "$@"
fi
