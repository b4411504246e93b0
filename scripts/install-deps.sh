#!/bin/sh
# Installs, from Debian 12's packages, what one command needs and the
# machine lacks; nothing at all when everything is there. Safe to run again.
#
#   scripts/install-deps.sh [run|test|full|windows|systems|screenshots]   (default: full)
#   scripts/install-deps.sh --list GROUP      prints GROUP's packages, one a line
#
# The names are Debian 12's and Debian 13's alike. Each group holds the one
# before it (windows and systems both add to full):
#   run   building and starting the game (scripts/run.sh)
#   test  the tests and the layout check (scripts/test.sh)
#   full  every check of scripts/test.sh --full: clang-tidy, the sanitizers
#         and fuzzers (clang), valgrind, the install and package checks,
#         the benchmarks' library, the Debian packages' build (build-deb.sh)
#         and what check-install.sh --system drives
#   windows  what scripts/build-windows.sh and check-windows.sh add to the
#         full group: the MinGW-w64 cross compilers, NSIS, wixl, Wine, ninja, zip
#   systems  what the arm64 cross-build (build-deb.sh --arch arm64),
#         check-arm64.sh and check-debian13.sh add to the full group: the
#         arm64 cross compilers, Debian's arm64 Qt (the arm64 architecture
#         is added to dpkg for it), qemu-user, debootstrap
#   screenshots  what tools/screenshots.sh adds to the run group: Xvfb,
#         openbox, xdotool, ImageMagick, faketime
set -eu

RUN="cmake g++ make pkg-config
qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev qt6-qpa-plugins
fonts-dejavu-core fonts-wine"
TEST="$RUN
clang-format git"
FULL="$TEST
libbenchmark-dev clang libclang-rt-dev clang-tidy valgrind
desktop-file-utils appstream dpkg-dev debhelper file lintian man-db xvfb xdotool imagemagick"
WINDOWS="$FULL
g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
mingw-w64-x86-64-dev nsis wixl wine wine64 ninja-build zip unzip"
SYSTEMS="$FULL
crossbuild-essential-arm64 qemu-user debootstrap
qt6-base-dev:arm64 qt6-svg-dev:arm64 libgl-dev:arm64 qt6-qpa-plugins:arm64 libqt6svg6:arm64"
SCREENSHOTS="$RUN
xvfb openbox xdotool imagemagick faketime"

usage() {
    echo "usage: $0 [run|test|full|windows|systems|screenshots] | --list GROUP" >&2
    exit 2
}

packages_of() {
    case $1 in
    run) echo "$RUN" ;;
    test) echo "$TEST" ;;
    full) echo "$FULL" ;;
    windows) echo "$WINDOWS" ;;
    systems) echo "$SYSTEMS" ;;
    screenshots) echo "$SCREENSHOTS" ;;
    *) usage ;;
    esac
}

if [ "${1:-}" = "--list" ]; then
    [ $# -eq 2 ] || usage
    list=$(packages_of "$2") || exit 2
    # shellcheck disable=SC2086 # one package a word
    printf '%s\n' $list
    exit 0
fi
group=${1:-full}
packages=$(packages_of "$group") || exit 2

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null; then
    SUDO="sudo"
else
    echo "install-deps: missing:$missing; run as root or install sudo" >&2
    exit 1
fi
# The game and the tests need no recommended extras (documentation, other
# compilers); the full checks keep them, as lintian and the desktop tools
# expect a usual installation (the Windows tools are added without them).
extra=""
[ "$group" = full ] || extra="--no-install-recommends"
echo "Installing ($group):$missing"
case $missing in
*:arm64*)
    dpkg --print-foreign-architectures | grep -qx arm64 || $SUDO dpkg --add-architecture arm64 ;;
esac
$SUDO apt-get update -qq
# shellcheck disable=SC2086 # one package a word
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq $extra $missing
