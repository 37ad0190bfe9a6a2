#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "NumLock always ON": with the option checked (the default), a key typed into the
# calculator while NumLock is off switches it back on; unchecked, NumLock is left as it is.
# Real X key events carry the lock state the calculator reads.
#   num_lock.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xset
require_private_server "switching NumLock"

# "on" or "off", as the server's keyboard indicators show NumLock.
num_lock() {
    xset q | awk '{ for (i = 2; i < NF; i++) if ($(i - 1) == "Num" && $i == "Lock:") print $(i + 1) }'
}

# NumLock switched off while no window has the focus, so that no calculator hears the key.
num_lock_off() {
    [[ $(num_lock) == off ]] || xdotool key Num_Lock
    [[ $(num_lock) == off ]] || fail "NumLock could not be switched off"
}

# num_lock_after_keys OPTION: starts the calculator with "NumLock always ON" set to OPTION,
# types a calculation with NumLock off and prints NumLock's state once the keys are handled.
num_lock_after_keys() {
    local settings=$HOME/.config/Numeret/Numeret.ini
    mkdir -p "${settings%/*}"
    printf '[Conf]\nNumLock=%s\n' "$1" >"$settings"
    num_lock_off
    launch
    type_into "$pid" '5+3='
    expect_tape ' 8 T'
    num_lock
    close_with_escape "$pid"
}

state=$(num_lock_after_keys True)
[[ $state == on ]] || fail "with \"NumLock always ON\" checked, NumLock was left $state"
state=$(num_lock_after_keys False)
[[ $state == off ]] || fail "with \"NumLock always ON\" unchecked, NumLock was switched $state"
