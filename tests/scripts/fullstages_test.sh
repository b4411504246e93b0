#!/bin/sh
# CI reads the verdict of `scripts/test.sh --full` from its last line and its
# exit code: runs it over stand-ins for every stage, some made to fail, and
# checks which stages ran, in what order, the closing line and the exit code.
#   fullstages_test.sh <path of scripts/test.sh>
set -eu
test_sh=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/scripts" "$work/bin"
cp "$test_sh" "$work/scripts/test.sh"

# Each stand-in logs its name and fails when named in $FAIL.
stub() {
    # shellcheck disable=SC2016 # expanded by the stand-in
    printf '#!/bin/sh\necho %s >>"$RAN"\ncase " $FAIL " in *" %s "*) exit 1 ;; esac\n' "$2" "$2" >"$1"
    chmod +x "$1"
}
stub "$work/scripts/install-deps.sh" deps
stub "$work/scripts/check-format.sh" format
stub "$work/scripts/check-layers.sh" layers
stub "$work/scripts/build.sh" build
stub "$work/bin/ctest" tests
stub "$work/scripts/check-tidy.sh" tidy
stub "$work/scripts/check-install.sh" install
stub "$work/scripts/ci-sanitizers.sh" sanitizers
stub "$work/scripts/ci-fuzz.sh" fuzz
stub "$work/scripts/ci-valgrind.sh" valgrind

status=0
# failing stages | stages run, in order | closing line | exit code
while IFS='|' read -r fail ran last code; do
    RAN=$work/ran FAIL=$fail PATH="$work/bin:$PATH" sh "$work/scripts/test.sh" --full >"$work/out" 2>&1 && rc=0 || rc=1
    got_ran=$(tr '\n' ' ' <"$work/ran")
    got_last=$(tail -n1 "$work/out")
    if [ "$got_ran" != "$ran" ] || [ "$got_last" != "$last" ] || [ "$rc" != "$code" ]; then
        echo "FAIL with '$fail' failing: ran '$got_ran', ended '$got_last', exit $rc"
        echo "     expected: ran '$ran', ended '$last', exit $code"
        status=1
    fi
    rm -f "$work/ran"
done <<'EOF'
|deps format layers build tests tidy install sanitizers fuzz valgrind |stages: 9 passed, 0 failed|0
format|deps format layers build tests tidy install sanitizers fuzz valgrind |stages: 8 passed, 1 failed|1
layers|deps format layers build tests tidy install sanitizers fuzz valgrind |stages: 8 passed, 1 failed|1
build|deps format layers build sanitizers fuzz valgrind |stages: 5 passed, 1 failed, 3 skipped|1
tests fuzz|deps format layers build tests tidy install sanitizers fuzz valgrind |stages: 7 passed, 2 failed|1
valgrind|deps format layers build tests tidy install sanitizers fuzz valgrind |stages: 8 passed, 1 failed|1
deps|deps |test.sh: the packages could not be installed|1
EOF
[ "$status" -eq 0 ] && echo "fullstages_test: 7 cases passed"
exit "$status"
