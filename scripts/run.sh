#!/bin/sh
# Installs what is missing, builds, and starts the game from its ready-to-run
# folder (the executable with images/ beside it, also its working directory).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build/lecture
exec ./lecture
