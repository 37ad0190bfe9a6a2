#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real calculator, types 5+3= with X key events and expects the total, 8, on
# the X clipboard, put there by the calculator as every total is.
#   type_total_clipboard.sh PATH-TO-NUMERETTE
set -uo pipefail

readonly program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools xdotool xclip

launch
[[ -n $(calculator_window "$pid" 'Numerette FREE') ]] || fail "the calculator window did not appear"
type_into "$pid" '5+3='
clipboard_becomes 8 || fail "expected 8 on the clipboard, found '$(timeout 2 xclip -selection clipboard -o 2>/dev/null)'"
