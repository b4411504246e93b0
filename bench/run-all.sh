#!/bin/sh
# Reproduces every figure of docs/performance.md: builds the measuring
# programs, starts a private Xvfb, then measures start-up and memory (Xvfb
# and offscreen), a turn and a judged click (both), the CPU cost of the
# streak flash's pause (offscreen) and idle CPU (Xvfb).
#   bench/run-all.sh [build-folder]      (default: build-bench)
# Environment: RUNS (start-up runs, 20), REPS (benchmark repetitions, 10),
# IDLE_SECONDS (60).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
runs=${RUNS:-20}
reps=${REPS:-10}
idle=${IDLE_SECONDS:-60}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target lecture lecture_pictures lecture_firstpaint \
    barewindow barewindow_firstpaint window_bench pause_bench >/dev/null

game_dir=$build/lecture
bare=$build/bench/barewindow/barewindow
bare_probe=$build/bench/barewindow/barewindow_firstpaint
game_probe=$build/bench/firstpaint/lecture_firstpaint

# A display of our own, stopped on the way out.
. "$root/scripts/lib/xvfb.sh"
trap stop_xvfb EXIT
start_xvfb 1280x1024x24

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
for platform in xcb offscreen; do
    python3 "$root/bench/startup.py" --bare "$bare_probe" --game "$game_probe" --cwd "$game_dir" \
        --platform "$platform" --runs "$runs"
    echo
done
for platform in xcb offscreen; do
    python3 "$root/bench/turns.py" --bench "$build/bench/window/window_bench" --cwd "$game_dir" \
        --platform "$platform" --repetitions "$reps"
    echo
done
(cd "$game_dir" && QT_QPA_PLATFORM=offscreen "$build/bench/window/pause_bench")
echo
python3 "$root/bench/idle.py" --bare "$bare" --game "$game_dir/lecture" --cwd "$game_dir" \
    --platform xcb --seconds "$idle"
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
