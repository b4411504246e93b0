#!/bin/sh
# Runs a scripted session of the real window (offscreen, on the real
# pictures), then the table of damaged and forged picture files, under
# valgrind's memcheck: any invalid access, use of uninitialised memory or
# definite leak fails it. Noise from Qt and the system is suppressed in
# tests/suppressions/valgrind.supp. Uses the normal build in build/ (or in
# LECTURE_BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
build=${LECTURE_BUILD_DIR:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    if [ "$build" = build ]; then cmake --preset default; else cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi
fi
cmake --build "$build" -j"$(nproc)" --target lecture_session lecture_pictures hostilepictures_test

memcheck() {
    QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full \
        --errors-for-leak-kinds=definite --error-exitcode=1 --num-callers=40 \
        --suppressions=tests/suppressions/valgrind.supp "$@"
}
case $build in /*) images="$build/lecture/images" ;; *) images="$PWD/$build/lecture/images" ;; esac
memcheck "$build/tests/soak/lecture_session" "$images"
memcheck "$build/tests/faults/hostilepictures_test" hostilePictures
