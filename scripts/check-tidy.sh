#!/bin/sh
# Runs clang-tidy, with the checks of .clang-tidy, over every C++ source of
# the project in the compile database of build/ (scripts/build.sh makes it).
# Any report fails.
set -eu
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || { echo "check-tidy: run scripts/build.sh first" >&2; exit 1; }
root=$(pwd)
run-clang-tidy -quiet -p build -j"$(nproc)" "^$root/(assets|widgets|settings|game|ui|tests|tools|bench)/.*\.cpp\$" >build/clang-tidy.log 2>&1 || {
    grep -E "(warning|error):" build/clang-tidy.log >&2 || cat build/clang-tidy.log >&2
    echo "check-tidy: FAILED (full log in build/clang-tidy.log)" >&2
    exit 1
}
echo "check-tidy: $(grep -c '"file"' build/compile_commands.json) sources in the database, no report"
