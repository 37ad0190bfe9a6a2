#!/usr/bin/env bash
# Starts the real calculator, types 5+3= with X key events and expects the total, 8, on
# the X clipboard, put there by the calculator as every total is.
#   type_total_clipboard.sh PATH-TO-NUMERETTE
set -uo pipefail

for tool in xdotool xclip; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed" >&2; exit 77; }
done

"$1" &
app=$!
trap 'kill "$app" 2>/dev/null; wait "$app" 2>/dev/null' EXIT

window=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$app" --name "Numerette FREE" | head -n 1)
if [[ -z $window ]]; then
    echo "the calculator window did not appear" >&2
    exit 1
fi
xdotool windowfocus --sync "$window"
xdotool type --delay 60 '5+3='

total=
for (( attempt = 0; attempt < 50; attempt++ )); do
    total=$(timeout 2 xclip -selection clipboard -o 2>/dev/null)
    [[ $total == 8 ]] && exit 0
    sleep 0.1
done
echo "expected 8 on the clipboard, found '$total'" >&2
exit 1
