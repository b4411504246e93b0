#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (the "asan" preset, into build-asan/) and runs the whole test suite under
# them. Leak reports from Qt and the system are suppressed in
# tests/suppressions/lsan.supp, undefined-behaviour reports in ubsan.supp.
set -eu
cd "$(dirname "$0")/.."
cmake --preset asan
cmake --build build-asan -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$PWD/tests/suppressions/ubsan.supp
export LSAN_OPTIONS=print_suppressions=0:suppressions=$PWD/tests/suppressions/lsan.supp
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
