#!/bin/sh
# Installs, from Debian 12's packages, whatever the build, the tests and the
# game need and the machine lacks. Safe to run again.
set -eu

PACKAGES="cmake g++ make pkg-config
qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev qt6-qpa-plugins
libbenchmark-dev
fonts-dejavu-core fonts-wine
clang libclang-rt-14-dev valgrind clang-format clang-tidy git
desktop-file-utils appstream dpkg-dev file lintian man-db xvfb xdotool imagemagick"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
