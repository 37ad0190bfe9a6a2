#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The measurements behind bench/run, made on the X display it is given (see bench/run).
#   measure.sh BUILD-DIR
set -uo pipefail

readonly build=$1
readonly program=$build/src/app/numerette floor=$build/bench/bench_floor_window
readonly idle_seconds=${IDLE_SECONDS:-60}
readonly ticks=$(getconf CLK_TCK)
readonly settings="$HOME/.config/Numeret/Numeret.ini"

now() { date +%s.%N; }
elapsed_ms() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", (b - a) * 1000 }'; }
# Polls every 10 ms (xdotool's own --sync waits half a second between tries); a window that
# vanishes while xdotool inspects it makes that try fail, and the next one goes on.
wait_window() {
    local deadline=$(( SECONDS + 30 ))
    until xdotool search --all --onlyvisible --pid "$1" --name "$2" >/dev/null 2>&1; do
        (( SECONDS < deadline )) || return 1
        sleep 0.01
    done
}
peak_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }

# start PROGRAM FIRST-TITLE LAST-TITLE: prints "ms-to-first ms-to-last pid".
start() {
    local begin first last pid
    begin=$(now)
    "$1" 2>/dev/null &
    pid=$!
    wait_window "$pid" "$2"
    first=$(now)
    wait_window "$pid" "$3"
    last=$(now)
    echo "$(elapsed_ms "$begin" "$first") $(elapsed_ms "$begin" "$last") $pid"
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

# warm_start PROGRAM FIRST-TITLE LAST-TITLE: prints the medians of five starts, "ms-to-first
# ms-to-last ms-from-first-to-last"; one start alone varies by tens of milliseconds on a busy
# machine.
warm_start() {
    local firsts=() lasts=() gaps=() first last pid
    for _ in 1 2 3 4 5; do
        read -r first last pid < <(start "$@")
        stop "$pid"
        firsts+=("$first")
        lasts+=("$last")
        gaps+=("$((last - first))")
    done
    echo "$(median "${firsts[@]}") $(median "${lasts[@]}") $(median "${gaps[@]}")"
}

# idle_cpu PID: the share of one CPU the process used while left alone, in percent.
idle_cpu() {
    local before after
    sleep 3
    before=$(cpu_ticks "$1")
    sleep "$idle_seconds"
    after=$(cpu_ticks "$1")
    awk -v d=$((after - before)) -v t="$ticks" -v s="$idle_seconds" 'BEGIN { printf "%.3f", 100 * d / t / s }'
}

# cpu_ns PID: the CPU time of all the process's threads (the X connection has one of its
# own) in nanoseconds; clock ticks would be too coarse for a few hundred keys.
cpu_ns() { awk '{ sum += $1 } END { print sum }' /proc/"$1"/task/*/schedstat; }

# typing_cpu PROGRAM FIRST-TITLE LAST-TITLE: starts the program, types `typed_items` items
# ("7+") into its window with X key events and prints the CPU time per key in microseconds.
readonly typed_items=${TYPED_ITEMS:-300}
typing_cpu() {
    local pid window before after keys
    keys=$(printf '7+%.0s' $(seq "$typed_items"))
    read -r _ _ pid < <(start "$@")
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name "$3" 2>/dev/null | head -n 1)
    xdotool windowfocus --sync "$window"
    sleep 1
    before=$(cpu_ns "$pid")
    xdotool type --delay 5 "$keys"
    # The last keys handled and painted.
    sleep 1
    after=$(cpu_ns "$pid")
    stop "$pid"
    awk -v d=$((after - before)) -v n=$((2 * typed_items)) 'BEGIN { printf "%.1f", d / n / 1000 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# measure PROGRAM FIRST-TITLE LAST-TITLE: prints "cold-first cold-last warm-first warm-last
# warm-gap peak-KiB idle-%": the first start ever (no settings, no saved tape), the medians of
# warm starts, then the peak memory and idle CPU of one more start.
measure() {
    local cold_first cold_last warm_first warm_last warm_gap pid memory idle
    read -r cold_first cold_last pid < <(start "$@")
    stop "$pid"
    read -r warm_first warm_last warm_gap < <(warm_start "$@")
    read -r _ _ pid < <(start "$@")
    sleep 2
    memory=$(peak_kib "$pid")
    idle=$(idle_cpu "$pid")
    stop "$pid"
    echo "$cold_first $cold_last $warm_first $warm_last $warm_gap $memory $idle"
}

read -r floor_cold _ floor_warm _ _ floor_memory floor_idle < <(measure "$floor" 'Floor window' 'Floor window')
read -r splash_cold window_cold splash_warm window_warm window_gap memory idle_off \
    < <(measure "$program" 'Numerette starting' 'Numerette FREE')
# The monitor switched on in whatever settings the calculator left.
mkdir -p "${settings%/*}"
if [[ -f $settings ]]; then
    sed -i '/^Monitor=/d; s/^\[Conf\]$/[Conf]\nMonitor=True/' "$settings"
else
    printf '[Conf]\nMonitor=True\n' >"$settings"
fi
read -r _ _ pid < <(start "$program" 'Numerette starting' 'Numerette FREE')
idle_on=$(idle_cpu "$pid")
stop "$pid"
# Five turns each, alternating, and the medians: the machine's load drifts, and one turn of
# either may run tens of microseconds per key slow.
floor_keys=() keys=()
for _ in 1 2 3 4 5; do
    floor_keys+=("$(typing_cpu "$floor" 'Floor window' 'Floor window')")
    keys+=("$(typing_cpu "$program" 'Numerette starting' 'Numerette FREE')")
done
floor_key=$(median "${floor_keys[@]}")
key=$(median "${keys[@]}")

printf '| Measure | Numerette | Floor | Ratio |\n|---|---|---|---|\n'
printf '| Cold start to first window (splash), ms | %s | %s | %s |\n' "$splash_cold" "$floor_cold" "$(ratio "$splash_cold" "$floor_cold")"
printf '| Warm start to first window (splash), median of 5, ms | %s | %s | %s |\n' "$splash_warm" "$floor_warm" "$(ratio "$splash_warm" "$floor_warm")"
printf '| Cold start to calculator window, ms | %s | | |\n' "$window_cold"
printf '| Warm start to calculator window, median of 5, ms | %s | | |\n' "$window_warm"
# The splash's second starts as the splash is made, a little before it is seen: a window
# shown right when the second is up follows the splash seen by a little under a second.
printf '| Splash seen to calculator window seen, median of 5, ms | %s | | |\n' "$window_gap"
printf '| Peak memory (VmHWM), MiB | %.1f | %.1f | %s |\n' "$(ratio "$memory" 1024)" "$(ratio "$floor_memory" 1024)" "$(ratio "$memory" "$floor_memory")"
printf '| Idle CPU over %s s, monitor off, %% | %s | %s | |\n' "$idle_seconds" "$idle_off" "$floor_idle"
printf '| Idle CPU over %s s, monitor on, %% | %s | %s | |\n' "$idle_seconds" "$idle_on" "$floor_idle"
printf '| CPU per key, %s items typed with X key events, median of 5, µs | %s | %s | %s |\n' "$typed_items" "$key" "$floor_key" "$(ratio "$key" "$floor_key")"
echo
QT_QPA_PLATFORM=offscreen "$build/bench/bench_tape_typing"
echo
QT_QPA_PLATFORM=offscreen "$build/bench/bench_clipboard_column"
