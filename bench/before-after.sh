#!/bin/sh
# Start-up and turn of the game at an older commit against the current
# tree, to measure a speed fix before and after. The old sources are taken
# with `git archive` (the working tree is left alone) and built with
# today's bench/ folder.
#   bench/before-after.sh COMMIT [build-folder]   (default: build-bench)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$1
build=${2:-$root/build-bench}
old=$(mktemp -d)
. "$root/scripts/lib/xvfb.sh"
trap 'rm -rf "$old"; stop_xvfb' EXIT

mkdir "$old/src"
git -C "$root" archive "$commit" | tar -x -C "$old/src"
rm -rf "$old/src/bench" && cp -r "$root/bench" "$old/src/bench"
cmake -S "$old/src" -B "$old/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLECTURE_BUILD_TESTS=OFF >/dev/null
cmake --build "$old/build" -j2 --target lecture_firstpaint window_bench >/dev/null
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target lecture_pictures lecture_firstpaint window_bench >/dev/null

start_xvfb 1280x1024x24

echo "before: $commit, after: the working tree; load average $(cut -d' ' -f1-3 /proc/loadavg)"
for platform in xcb offscreen; do
    python3 "$root/bench/startup.py" --labels before,after --platform "$platform" \
        --bare "$old/build/bench/firstpaint/lecture_firstpaint" \
        --game "$build/bench/firstpaint/lecture_firstpaint" --cwd "$build/lecture"
    echo
done
for which in before after; do
    if [ "$which" = before ]; then bench=$old/build/bench/window/window_bench; else bench=$build/bench/window/window_bench; fi
    echo "$which:"
    python3 "$root/bench/turns.py" --bench "$bench" --cwd "$build/lecture" --platform offscreen --repetitions 5
    echo
done
