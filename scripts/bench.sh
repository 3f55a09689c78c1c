#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs every benchmark, then prints one table of figures. The start-up benchmark runs
# on a private virtual display with a window manager, started here and ended on exit; the pick
# benchmark runs offscreen. Figures are reported, never judged by an exit status.
# Options: --quick (a short run of each, to see that they work).
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
[ "${1:-}" = --quick ] && quick=1

scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target bench_core bench_pick bench_startup bench_diagram bench_fits bench_stack \
    >/dev/null

bin=build/bin
work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the file descriptor given.
start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    # The window manager is up once it names its check window on the root window.
    for _ in $(seq 100); do
        local wm
        wm=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null || true)
        [[ $wm == *"window id"* ]] && return 0
        sleep 0.05
    done
    echo "bench: openbox did not start" >&2
    exit 1
}

if [ $quick = 1 ]; then
    core_args=(--benchmark_min_time=0.01) pick_args=(--picks 50) startup_args=(--rounds 2)
    diagram_args=(--rounds 3)
else
    core_args=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
    pick_args=(--picks 5000) startup_args=(--rounds 20) diagram_args=(--rounds 50)
fi

echo "== core lookups (Google Benchmark)"
"$bin/bench_core" "${core_args[@]}" --benchmark_out="$work/core.csv" --benchmark_out_format=csv
echo "== picks in the window (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/bench_pick" "${pick_args[@]}" 2>/dev/null | tee "$work/pick.txt"
echo "== the fit diagram on scaled screens (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/bench_diagram" "${diagram_args[@]}" 2>/dev/null |
    tee "$work/diagram.txt"
echo "== the fit workbench at 200 % (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/bench_fits" 2>/dev/null | tee "$work/fits.txt"
echo "== the tolerance stack-up (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/bench_stack" --rounds "$([ $quick = 1 ] && echo 8 || echo 200)" \
    2>/dev/null | tee "$work/stack.txt"
echo "== start-up under Xvfb + openbox, tessaly and the baselines in turn"
start_display
QT_QPA_PLATFORM=xcb "$bin/bench_startup" "${startup_args[@]}" 2>"$work/startup.log" |
    tee "$work/startup.txt"
grep "^round" "$work/startup.log" || true

# Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,… with the name quoted.
# With repetitions only the median row is taken; a single run has plain names. The table shows
# CPU time: on a shared machine the wall time of a single-threaded loop also counts preemption.
core_rows() {
    awk -F, 'NR > 1 && $1 ~ /^"/ {
        name = $1; gsub(/"/, "", name)
        if (name ~ /_(mean|stddev|cv)$/) next
        sub(/_median$/, "", name)
        unit = $5; if (unit == "us") unit = "µs"
        target = ""; met = ""
        us = $4 * (unit == "ns" ? 0.001 : unit == "ms" ? 1000 : 1)
        if (name ~ /^all 1625/) { target = "< 50 µs"; met = us < 50 ? "yes" : "no" }
        if (name ~ /one answer/) { target = "< 1 µs"; met = us < 1 ? "yes" : "no" }
        if (name ~ /both sides at/) { target = "< 1 ms"; met = us < 1000 ? "yes" : "no" }
        if (name ~ /every size step/) { target = "< 50 ms"; met = us < 50000 ? "yes" : "no" }
        if (name ~ /^service: one press fit/) { target = "< 2 µs"; met = us < 2 ? "yes" : "no" }
        if (name ~ /^service: finder/) { target = "< 30 ms"; met = us < 30000 ? "yes" : "no" }
        printf "| core: %s | %.1f %s | %s | %s |\n", name, $4, unit, target, met
    }' "$work/core.csv"
}

echo
echo "| figure | value | target | met |"
echo "|---|---|---|---|"
core_rows
grep '^|' "$work/pick.txt"
grep '^|' "$work/diagram.txt"
grep '^|' "$work/fits.txt"
grep '^|' "$work/stack.txt"
grep '^|' "$work/startup.txt"
