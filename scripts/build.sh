#!/bin/sh
# Configures and builds everything into build/ (the game lands in build/lecture/).
set -eu
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default -j"$(nproc)"
