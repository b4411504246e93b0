#!/bin/sh
# Builds the libFuzzer targets with clang (the "fuzz" preset, into
# build-fuzz/) and gives the same verdict on every run of a commit: each
# target replays its committed corpus (fuzz/corpus/<target>/) and every past
# finding (fuzz/regressions/<target>/), then fuzzes a fixed number of runs
# from a fixed seed, starting from an emptied scratch folder. No time limit
# decides the verdict; -timeout only catches an input that hangs. A fault
# or a broken check fails the script, with the input kept in
# build-fuzz/findings/. FUZZ_RUNS overrides the runs per target.
# Open-ended fuzzing is scripts/fuzz-campaign.sh.
set -eu
cd "$(dirname "$0")/.."
export LC_ALL=C # file lists in one order everywhere

cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/suppressions/lsan.supp:print_suppressions=0
# Qt's hashes and the process's addresses change from run to run and would
# steer the fuzzer through the coverage counters; fix both.
export QT_HASH_SEED=0
if setarch -R true 2>/dev/null; then
    fixed="setarch -R"
else
    fixed=
    echo "warning: address randomization cannot be turned off here; runs may differ" >&2
fi
mkdir -p build-fuzz/findings

# Runs per target, about half a minute each on a loaded two-core machine:
# the word draw target plays a short game of up to 64 steps per input.
runs_for() {
    case $1 in
    settingsfile) echo "${FUZZ_RUNS:-30000}" ;;
    worddraw) echo "${FUZZ_RUNS:-2000}" ;;
    esac
}

for target in settingsfile worddraw; do
    fuzzer=build-fuzz/fuzz/fuzz_$target
    options="-timeout=60 -rss_limit_mb=2048 -artifact_prefix=build-fuzz/findings/$target-"
    seeds=fuzz/corpus/$target
    regressions=fuzz/regressions/$target
    [ -d "$regressions" ] || regressions=
    echo "== fuzz_$target: replay of $seeds ${regressions:+and $regressions}"
    # shellcheck disable=SC2086 # the options are separate words
    $fuzzer $options "$seeds"/* ${regressions:+"$regressions"/*}

    # New inputs go to a scratch folder emptied first; the seeds are named
    # in sorted order rather than read from folders, whose listing order
    # differs between checkouts, so every run starts from the same corpus
    # in the same order. -reload=0: nothing is re-read while fuzzing;
    # -use_cmp=0: no mutation copies compared values (paths, addresses).
    scratch=build-fuzz/corpus-scratch/$target
    rm -rf "$scratch"
    mkdir -p "$scratch"
    inputs=$(printf '%s,' "$seeds"/* ${regressions:+"$regressions"/*})
    runs=$(runs_for "$target")
    echo "== fuzz_$target: $runs runs from seed 1"
    # shellcheck disable=SC2086
    $fixed $fuzzer $options -seed=1 -runs="$runs" -reload=0 -use_cmp=0 -print_final_stats=1 \
        -seed_inputs="${inputs%,}" "$scratch"
done
