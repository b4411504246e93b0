#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite headless:
# the tests, the install checks, the tests under sanitizers, the fuzzers and
# a window session under valgrind.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --preset default -j"$(nproc)"
scripts/check-install.sh
scripts/ci-sanitizers.sh
scripts/ci-fuzz.sh
scripts/ci-valgrind.sh
# Reached only when every stage above passed (set -e stops at the first failure).
echo "stages: 5 passed, 0 failed"
