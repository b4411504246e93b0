#!/bin/sh
# scripts/build-windows.sh's Qt stage over stand-ins for apt, dpkg, sudo and
# CMake, so that it runs in a second without building Qt: which folders it
# refuses, keeps, empties and makes; that one run on a machine without Qt's
# package does it all; and where the MinGW run-time DLLs are looked for.
#   buildwindows_test.sh <top of the source tree>
set -eu
top=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repo=$work/repo
mkdir -p "$repo/scripts/lib" "$repo/cmake" "$work/bin"
cp "$top/scripts/build-windows.sh" "$repo/scripts/"
cp "$top/cmake/mingw-w64-x86_64.cmake" "$repo/cmake/"
cp "$top/scripts/lib/mingw.sh" "$top/scripts/lib/sudo-caller.sh" "$repo/scripts/lib/"
echo 'project(Lecture VERSION 1.0.0 LANGUAGES CXX)' >"$repo/CMakeLists.txt"

stand_in() {
    printf '#!/bin/sh\n%s\n' "$2" >"$1"
    chmod +x "$1"
}
# The package installation makes Qt's package appear, when $GIVES_QT says so.
# $MAKES names a file the run makes in the tree.
stand_in "$repo/scripts/install-deps.sh" '[ -z "$GIVES_QT" ] || touch "$STATE/qt-installed"; [ -z "${MAKES:-}" ] || touch "$MAKES"'
# shellcheck disable=SC2016 # expanded by the stand-ins
{
    stand_in "$work/bin/dpkg-query" '[ -f "$STATE/qt-installed" ] || exit 1; printf "6.4.2+dfsg-10"'
    stand_in "$work/bin/dpkg" 'echo amd64'
    stand_in "$work/bin/id" 'echo "${FAKE_ID:-0}"'
    stand_in "$work/bin/chown" 'echo "chown $*" >>"$STATE/log"'
    stand_in "$work/bin/sudo" 'echo "sudo $*" >>"$STATE/log"; "$@"'
    # CMake "installs" a Qt into the prefix it was configured with.
    stand_in "$work/bin/cmake" 'echo "cmake $*" >>"$STATE/log"
for a; do case $a in -DCMAKE_INSTALL_PREFIX=*) prefix=${a#*=} ;; -B) next=build ;; *) [ "${next:-}" != build ] || build=$a; next= ;; esac; done
[ -z "${prefix:-}" ] || { mkdir -p "$build"; echo "$prefix" >"$build/prefix"; }
[ "$1" != --build ] || ls "$2" >"$STATE/built-from"
[ "$1" != --install ] || { mkdir -p "$(cat "$2/prefix")/bin"; touch "$(cat "$2/prefix")/bin/Qt6Core.dll"; }
exit 0'
}

status=0
cases=0
# Each case: a name; what is in place before (shell); the environment of
# the run; the exit code; a text the output must hold; what must hold after
# (shell). $W is the case's folder, $CACHE the script's default cache there.
while IFS='|' read -r name before env code says after; do
    cases=$((cases + 1))
    W=$work/case$cases
    CACHE=$W/cache
    mkdir -p "$W/state"
    eval "$before"
    env=$(eval "echo $env")
    # shellcheck disable=SC2086 # the case's assignments, one a word
    env STATE="$W/state" GIVES_QT=1 SUDO_USER= LECTURE_CACHE="$CACHE" LECTURE_QT_SOURCE="$W/src" PATH="$work/bin:$PATH" \
        $env sh "$repo/scripts/build-windows.sh" qt >"$W/out" 2>&1 && rc=0 || rc=$?
    problem=""
    [ "$rc" = "$code" ] || problem="exit $rc, not $code"
    grep -qF -- "$says" "$W/out" || problem="$problem; no \"$says\""
    (eval "$after") || problem="$problem; after: $after"
    if [ -n "$problem" ]; then
        echo "FAIL $name: ${problem#; }"
        sed 's/^/    /' "$W/out"
        status=1
    fi
done <<'EOF'
a fresh machine: Qt's package installed, then its version read|mkdir -p $W/src; touch $W/src/CMakeLists.txt||0|Building Qt 6.4.2|[ -f $CACHE/qt6-mingw-6.4.2/.lecture-qt-built ] && [ ! -e $CACHE/qt6-mingw-6.4.2/.lecture-qt-building ]
Qt's package never installed||GIVES_QT=|1|qt6-base-dev is not installed|[ ! -e $CACHE ]
someone's folder is refused and kept|mkdir -p $W/opt/qt-win/bin; echo mine >$W/opt/qt-win/keep.txt|LECTURE_WIN_QT=$W/opt/qt-win|1|holds no Qt built by this script|[ "$(cat $W/opt/qt-win/keep.txt)" = mine ] && [ -d $W/opt/qt-win/bin ] && ! grep -q cmake $W/state/log 2>/dev/null
an empty folder of someone's is refused|mkdir -p $W/opt/empty|LECTURE_WIN_QT=$W/opt/empty|1|left as it is|[ -d $W/opt/empty ] && [ ! -e $W/opt/empty/.lecture-qt-building ]
a file of that name is refused|mkdir -p $W/opt; echo mine >$W/opt/qt|LECTURE_WIN_QT=$W/opt/qt|1|holds no Qt built by this script|[ "$(cat $W/opt/qt)" = mine ]
a link to someone's folder is refused|mkdir -p $W/opt/real; echo mine >$W/opt/real/keep.txt; mkdir -p $W/opt/real/x; ln -s real $W/opt/link; touch $W/opt/real/.lecture-qt-building|LECTURE_WIN_QT=$W/opt/link|1|holds no Qt built by this script|[ -f $W/opt/real/keep.txt ] && [ -L $W/opt/link ]
a Qt this script began is emptied, its build resumed|mkdir -p $W/src $W/q/bin $CACHE/qt6-mingw-6.4.2-build; touch $W/src/CMakeLists.txt $W/q/.lecture-qt-building $W/q/bin/half.dll $CACHE/qt6-mingw-6.4.2-build/done.obj|LECTURE_WIN_QT=$W/q|0|Building Qt 6.4.2|[ -f $W/q/.lecture-qt-built ] && [ ! -e $W/q/bin/half.dll ] && [ -f $W/q/bin/Qt6Core.dll ] && grep -q done.obj $W/state/built-from && grep -q "TOOLCHAIN_FILE=$CACHE/mingw-w64-x86_64.cmake" $W/state/log && cmp -s $CACHE/mingw-w64-x86_64.cmake $top/cmake/mingw-w64-x86_64.cmake
a Qt built earlier is used as it is|mkdir -p $W/q; touch $W/q/.lecture-qt-built $W/q/mine|LECTURE_WIN_QT=$W/q|0|built earlier|[ -f $W/q/mine ] && ! grep -q cmake $W/state/log 2>/dev/null
a new folder's parent keeps its owner|mkdir -p $W/src $W/opt; touch $W/src/CMakeLists.txt|LECTURE_WIN_QT=$W/opt/qt-win FAKE_ID=1000|0|Building Qt 6.4.2|[ "$(stat -c %u $W/opt)" = "$(stat -c %u $W)" ] && [ -f $W/opt/qt-win/.lecture-qt-built ]
a source folder that is none is refused|mkdir -p $W/src; echo mine >$W/src/notes.txt||1|is no unpacked qt6-base source|[ "$(cat $W/src/notes.txt)" = mine ] && [ ! -e $CACHE ]
EOF

# Under sudo, the caller gets back what the run made in the tree, and not
# what was there before (the files must be root's: only run as root).
if [ "$(/usr/bin/id -u)" -eq 0 ]; then
    cases=$((cases + 1))
    W=$work/sudo
    mkdir -p "$W/state" "$W/src" "$repo/build-windows"
    touch "$W/src/CMakeLists.txt" "$repo/build-windows/before"
    STATE="$W/state" GIVES_QT=1 SUDO_USER=pupil MAKES="$repo/build-windows/made" LECTURE_CACHE="$W/cache" \
        LECTURE_QT_SOURCE="$W/src" PATH="$work/bin:$PATH" sh "$repo/scripts/build-windows.sh" qt >"$W/out" 2>&1 || true
    given=$(sed -n 's/^chown -h pupil: //p' "$W/state/log" | tr ' ' '\n')
    if ! echo "$given" | grep -qx "build-windows/made" || echo "$given" | grep -q before; then
        echo "FAIL under sudo: given back '$given'"
        status=1
    fi
    rm -rf "$repo/build-windows"
fi

# Where the run-time DLLs are looked for: where the cross compiler finds
# them, and nowhere when it finds none (it then echoes the bare name).
mkdir -p "$work/gcc/13-posix" "$work/mingw/lib"
touch "$work/gcc/13-posix/libstdc++-6.dll" "$work/mingw/lib/libwinpthread-1.dll"
while IFS='|' read -r name answers expected; do
    cases=$((cases + 1))
    # shellcheck disable=SC2016 # expanded by the stand-in
    stand_in "$work/bin/x86_64-w64-mingw32-g++-posix" "case \$1 in $answers esac"
    got=$(PATH="$work/bin:$PATH" sh -c ". '$repo/scripts/lib/mingw.sh'; mingw_runtime_dirs" | tr '\n' ' ')
    expected=$(echo "$expected" | sed "s|@|$work|g")
    if [ "$got" != "$expected" ]; then
        echo "FAIL run-time folders, $name: '$got', not '$expected'"
        status=1
    fi
done <<'EOF'
both found|*libstdc++*) echo "$(dirname "$0")/../gcc/13-posix/libstdc++-6.dll" ;; *) echo "$(dirname "$0")/../mingw/lib/libwinpthread-1.dll" ;;|@/gcc/13-posix @/mingw/lib 
none found|*=*) echo "${1#*=}" ;;|
EOF

[ "$status" -eq 0 ] && echo "buildwindows_test: $cases cases passed"
exit "$status"
