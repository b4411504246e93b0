#!/bin/sh
# Builds the Debian packages from a copy of this tree, with dpkg-buildpackage,
# and checks them with lintian (any error or warning fails).
#
#   scripts/build-deb.sh               lecture_<v>_<arch>.deb, lecture-data_<v>_all.deb
#                                      and the source package, tests included
#   scripts/build-deb.sh --nocheck     the same without running the tests
#   scripts/build-deb.sh --arch arm64  cross-builds lecture_<v>_arm64.deb alone
#                                      (the pictures are lecture-data's, built
#                                      natively), without the tests
#
# The results go to build-deb/ (or $OUT): the packages, the .changes, the
# .buildinfo and, for the native build, the .dsc and the source tarball.
# The tree is copied first so that the build writes nothing into the
# checkout nor beside it. Installs what the build needs (install-deps.sh).
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)
OUT=${OUT:-$top/build-deb}
arch=""
nocheck=0
while [ $# -gt 0 ]; do
    case $1 in
    --arch) [ $# -ge 2 ] || { echo "usage: $0 [--nocheck] [--arch ARCH]" >&2; exit 2; }
            arch=$2; shift ;;
    --nocheck) nocheck=1 ;;
    *) echo "usage: $0 [--nocheck] [--arch ARCH]" >&2; exit 2 ;;
    esac
    shift
done
build_arch=$(dpkg --print-architecture)
[ "$arch" = "$build_arch" ] && arch=""
if [ -n "$arch" ]; then
    [ "$arch" = arm64 ] || { echo "build-deb: cross-building is set up for arm64 only" >&2; exit 2; }
    scripts/install-deps.sh systems
else
    scripts/install-deps.sh full
fi

# The package's version is the project's.
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
project=$(sed -n 's/^project(Lecture VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
[ "$version" = "$project" ] || {
    echo "build-deb: debian/changelog is at $version, CMakeLists.txt at $project" >&2; exit 1; }

mkdir -p "$OUT"
scratch=$(mktemp -d "$OUT/.build.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
src=$scratch/lecture-$version
mkdir "$src"
# The files of the checkout, edited or new, but not the ignored ones (builds).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        (cd "$top" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
        tar -cf - --null -T - | tar -xf - -C "$src"
else
    tar -cf - --exclude='./build*' --exclude='./out' . | tar -xf - -C "$src"
fi

options="parallel=$(nproc)"
profiles=""
if [ -n "$arch" ]; then
    options="$options nocheck"
    profiles="-Pcross,nocheck"
    set -- -a "$arch" -B
elif [ "$nocheck" -eq 1 ]; then
    options="$options nocheck"
    profiles="-Pnocheck"
    set --
else
    set --
fi
echo "build-deb: dpkg-buildpackage -us -uc $* $profiles (DEB_BUILD_OPTIONS=$options)"
(cd "$src" && DEB_BUILD_OPTIONS=$options dpkg-buildpackage -us -uc "$@" $profiles) \
    >"$scratch/build.log" 2>&1 || {
    tail -n 60 "$scratch/build.log" >&2
    cp "$scratch/build.log" "$OUT/build.log"
    echo "build-deb: dpkg-buildpackage failed; the whole log is $OUT/build.log" >&2
    exit 1
}
cp "$scratch/build.log" "$OUT/build.log"

changes=$(ls "$scratch"/*.changes)
# The files the .changes names, and the .changes itself.
for f in $(sed -n '/^Files:/,/^[^ ]/s/^ [0-9a-f]\{32\} [0-9]* [^ ]* [^ ]* //p' "$changes"); do
    cp "$scratch/$f" "$OUT/"
done
cp "$changes" "$OUT/"
changes=$OUT/$(basename "$changes")
for deb in $(sed -n 's/^ [0-9a-f]\{32\} [0-9]* [^ ]* [^ ]* \(.*\.deb\)$/\1/p' "$changes"); do
    echo "build-deb: $OUT/$deb, $(du -k "$OUT/$deb" | cut -f1) kB, $(dpkg-deb -f "$OUT/$deb" Installed-Size) kB installed"
done

# Debian's checker on the source and binaries together, the informational
# tags shown (docs/packaging.md says why those that remain do).
lintian --info --display-info --fail-on error,warning "$changes" ||
    { echo "build-deb: lintian found errors or warnings" >&2; exit 1; }
echo "build-deb: lintian: no error, no warning on $(basename "$changes")"
