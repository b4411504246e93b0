#!/bin/sh
# Fails when a C++ file of the tree is not laid out as .clang-format says.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -eu
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "check-format: $(git ls-files '*.cpp' '*.h' | wc -l) files formatted"
