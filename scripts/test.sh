#!/bin/sh
# The test command, headless.
#
#   scripts/test.sh          installs what the tests need, checks the layout
#                            of the C++ files and the order of the folders
#                            they use, builds what CTest runs and runs it;
#                            ends on CTest's summary
#   scripts/test.sh --full   every check, in this order: the layout, the
#                            folders' order, the whole build, the tests, clang-tidy, the install
#                            and package checks, the tests under sanitizers,
#                            the fuzzers' replay and fixed runs, a window
#                            session and the damaged pictures under valgrind.
#                            A failing stage does not stop the ones after it
#                            (those that need its result are skipped); ends on
#                            "stages: N passed, N failed" and fails if any did.
set -eu
cd "$(dirname "$0")/.."

case ${1:-} in
"") ;;
--full) full=1 ;;
*) echo "usage: $0 [--full]" >&2; exit 2 ;;
esac

if [ -z "${full:-}" ]; then
    scripts/install-deps.sh test
    scripts/check-format.sh
    scripts/check-layers.sh
    [ -f build/CMakeCache.txt ] || cmake --preset default
    cmake --build --preset default -j"$(nproc)" --target lecture_tests
    exec ctest --preset default -j"$(nproc)"
fi

scripts/install-deps.sh full || { echo "test.sh: the packages could not be installed" >&2; exit 1; }

passed=0
failed=0
skipped=0
failures=""
build_ok=1
clock() { date +%s; }
since() { s=$(($(clock) - $1)); printf '%d min %02d s' $((s / 60)) $((s % 60)); }
started=$(clock)

# stage NAME COMMAND...: runs COMMAND and counts its verdict.
stage() {
    name=$1
    shift
    echo "== stage $name"
    t=$(clock)
    if "$@"; then
        passed=$((passed + 1))
        echo "== stage $name: passed in $(since "$t")"
        return 0
    fi
    failed=$((failed + 1))
    failures="$failures $name"
    echo "== stage $name: FAILED in $(since "$t")"
    return 1
}
# after_build NAME COMMAND...: a stage that reads the whole build in build/.
after_build() {
    if [ "$build_ok" -eq 1 ]; then
        stage "$@" || true
    else
        skipped=$((skipped + 1))
        echo "== stage $1: skipped, the build failed"
    fi
}

stage format scripts/check-format.sh || true
stage layers scripts/check-layers.sh || true
stage build scripts/build.sh || build_ok=0
after_build tests ctest --preset default -j"$(nproc)"
after_build tidy scripts/check-tidy.sh
after_build install scripts/check-install.sh
stage sanitizers scripts/ci-sanitizers.sh || true
stage fuzz scripts/ci-fuzz.sh || true
stage valgrind scripts/ci-valgrind.sh || true

echo "== $(since "$started") in all${failures:+; failed:$failures}"
[ "$skipped" -eq 0 ] && more="" || more=", $skipped skipped"
echo "stages: $passed passed, $failed failed$more"
[ "$failed" -eq 0 ]
