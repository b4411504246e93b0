#!/bin/sh
# Open-ended fuzzing, not part of the test command: runs each target for
# SECONDS (first argument) from its committed corpus and past findings.
# New inputs are kept in build-fuzz/campaign/<target>/ (reused by the next
# campaign), findings in build-fuzz/campaign-findings/; a target stops at
# its first finding and the others still run. Exits 1 when anything was
# found. Add each finding, once fixed, to fuzz/regressions/<target>/.
#   scripts/fuzz-campaign.sh SECONDS [TARGET...]   (targets: settingsfile worddraw)
set -eu
cd "$(dirname "$0")/.."
[ $# -ge 1 ] || { echo "usage: $0 SECONDS [TARGET...]" >&2; exit 2; }
seconds=$1
shift
[ $# -ge 1 ] || set -- settingsfile worddraw

cmake --preset fuzz
for target in "$@"; do
    cmake --build build-fuzz -j"$(nproc)" --target "fuzz_$target"
done

export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/suppressions/lsan.supp:print_suppressions=0
findings=build-fuzz/campaign-findings
mkdir -p "$findings"
status=0
for target in "$@"; do
    corpus=build-fuzz/campaign/$target
    mkdir -p "$corpus"
    regressions=fuzz/regressions/$target
    [ -d "$regressions" ] || regressions=
    echo "== fuzz_$target for ${seconds}s"
    "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$target-" -print_final_stats=1 \
        "$corpus" "fuzz/corpus/$target" ${regressions:+"$regressions"} || status=1
done
exit $status
