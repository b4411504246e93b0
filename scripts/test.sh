#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite headless:
# the layout check, the tests, clang-tidy, the install checks, the tests
# under sanitizers, the fuzzers' replay and bounded runs, and a window
# session and the damaged pictures under valgrind.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
scripts/build.sh
ctest --preset default -j"$(nproc)"
scripts/check-tidy.sh
scripts/check-install.sh
scripts/ci-sanitizers.sh
scripts/ci-fuzz.sh
scripts/ci-valgrind.sh
# Reached only when every stage above passed (set -e stops at the first failure).
echo "stages: 7 passed, 0 failed"
