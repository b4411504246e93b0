#!/bin/sh
# Builds the libFuzzer targets with clang (a configure of their own, in
# build-fuzz/) and runs each for a bounded time from its seed corpus in
# fuzz/corpus/. An input that faults or breaks a check is kept in
# build-fuzz/findings/ and fails the script. FUZZ_SECONDS sets the time per
# target (default 40).
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-40}

cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/suppressions/lsan.supp:print_suppressions=0
mkdir -p build-fuzz/findings
for target in settingsfile picture worddraw; do
    # New inputs go to a scratch folder; the committed seeds stay as they are.
    scratch=build-fuzz/corpus-scratch/$target
    mkdir -p "$scratch"
    echo "== fuzz_$target for ${seconds}s"
    build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/findings/$target-" -print_final_stats=1 \
        "$scratch" "fuzz/corpus/$target"
done
