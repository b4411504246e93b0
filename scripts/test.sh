#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite headless.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
../scripts/check-install.sh
../scripts/ci-sanitizers.sh
../scripts/ci-fuzz.sh
../scripts/ci-valgrind.sh
