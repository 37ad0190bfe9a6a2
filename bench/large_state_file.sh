#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the calculator on a saved calculation of 15 MB (a list of 535,002 lines, far beyond
# what the list holds) and prints the time to the calculator window and the peak memory,
# beside the same start with an ordinary saved calculation. Run on the X display it is given:
#   tests/e2e/run_under_x11.sh bench/large_state_file.sh BUILD-DIR
set -uo pipefail

readonly program=$1/src/app/numerette
readonly data=$HOME/.local/share/Numeret/Numeret
readonly state=$data/numeret1.fita
readonly runs=5

now() { date +%s.%N; }
elapsed_ms() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", (b - a) * 1000 }'; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

# A saved calculation of today whose list holds the given number of item lines.
write_state() {
    local header line
    header=" $(date +%d/%m/%Y) Thu           "$'\r\n'" ========================="$'\r\n'
    line='                    1.00 +'
    {
        printf '"%s","%s' "$(date +%F)" "$header"
        yes "$line" | head -n "$1" | sed 's/$/\r/'
        printf '","0.00","+","0","0.00","000","."\r\n'
    } >"$state"
}

# One start: prints "ms-to-window peak-KiB".
start() {
    local begin pid shown peak
    begin=$(now)
    "$program" 2>/dev/null &
    pid=$!
    until xdotool search --all --onlyvisible --pid "$pid" --name 'Numerette FREE' >/dev/null 2>&1; do
        sleep 0.01
    done
    shown=$(now)
    sleep 1
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "$(elapsed_ms "$begin" "$shown") $peak"
}

measure() {
    local times=() peaks=() ms kib bytes
    for (( run = 0; run < runs; run++ )); do
        write_state "$2"
        bytes=$(stat -c %s "$state")
        rm -f "$data"/numeret.txt "$data"/numeret-kept.txt
        read -r ms kib < <(start)
        times+=("$ms")
        peaks+=("$kib")
    done
    printf '%-34s %8s ms %8s MiB  (%s bytes)\n' "$1" "$(median "${times[@]}")" \
        "$(awk -v k="$(median "${peaks[@]}")" 'BEGIN { printf "%.1f", k / 1024 }')" "$bytes"
}

mkdir -p -m 700 "$data"
printf 'medians of %d starts: time to the calculator window, peak resident memory\n' "$runs"
measure 'ordinary saved calculation' 20
measure '15 MB saved calculation' 535000
