#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an installed numerette on the X display it is given, waits for its calculator window and
# closes it again as a user's "numerette fechar" does.
#   installed_window.sh PROGRAM
set -uo pipefail
readonly program=$1
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../tests/e2e/e2e_common.sh"
require_tools xdotool

launch
calculator_window "$pid" >/dev/null || fail "no calculator window from $program"
"$program" fechar || fail "$program fechar failed"
ends_within "$pid" 20 || fail "$program did not end after fechar"
wait "$pid" || fail "$program ended with status $?"
