#!/bin/sh
# Installs what building and starting the game need and the machine lacks,
# builds the game and its pictures only (no tests, tools or benchmarks), and
# starts it from its ready-to-run folder (the executable with images/ beside
# it, also its working directory). Run again with nothing changed, it starts
# the game within seconds. Arguments are passed to the game.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# Configured once; later builds re-run CMake by themselves when a
# CMakeLists.txt changes.
[ -f build/CMakeCache.txt ] || cmake --preset default
cmake --build --preset default -j"$(nproc)" --target lecture
cd build/lecture
exec ./lecture "$@"
