#!/bin/sh
# Fails when a C++ file of the tree is not laid out as .clang-format says.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -eu
cd "$(dirname "$0")/.."
# The files come from git: outside a checkout there are none to check, which
# must not pass for a clean tree.
count=$(git ls-files '*.cpp' '*.h' | wc -l)
[ "$count" -gt 0 ] || { echo "check-format: no C++ files found (not a git checkout?)" >&2; exit 1; }
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "check-format: $count files formatted"
