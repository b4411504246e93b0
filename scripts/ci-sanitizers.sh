#!/bin/sh
# Builds what CTest runs with AddressSanitizer and UndefinedBehaviorSanitizer
# (the "asan" preset, into build-asan/) and runs the whole test suite under
# them, with the preset's options. Leak reports from Qt and the system are
# suppressed in tests/suppressions/lsan.supp, undefined-behaviour reports in
# ubsan.supp.
set -eu
cd "$(dirname "$0")/.."
cmake --preset asan
cmake --build --preset asan -j"$(nproc)" --target lecture_tests
ctest --preset asan -j"$(nproc)"
