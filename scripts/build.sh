#!/bin/sh
# Configures and builds everything into build/ (the game lands in build/lecture/).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
