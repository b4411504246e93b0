#!/bin/sh
# Plays the arm64 (Raspberry Pi) build on this amd64 machine: unpacks
# lecture_<v>_arm64.deb and lecture-data_<v>_all.deb from build-deb/ (or
# $OUT; built first when missing) into a temporary folder, starts the game
# under qemu-aarch64 with Debian's arm64 Qt libraries and a private Xvfb,
# checks that it shows a board, that a click on a picture draws its mark
# above it and that the quit button writes the settings file.
# Leaves the two screenshots in $OUT (arm64-board.png, arm64-mark.png).
set -eu
cd "$(dirname "$0")/.."
OUT=${OUT:-$(pwd)/build-deb}
say() { echo "check-arm64: $*"; }
fail() { echo "check-arm64: FAILED: $*" >&2; exit 1; }

scripts/install-deps.sh systems
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
program=$OUT/lecture_${version}_arm64.deb
pictures=$OUT/lecture-data_${version}_all.deb
[ -f "$pictures" ] || OUT=$OUT scripts/build-deb.sh --nocheck
[ -f "$program" ] || OUT=$OUT scripts/build-deb.sh --arch arm64

. scripts/lib/xvfb.sh
work=$(mktemp -d)
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

dpkg-deb -x "$program" "$work/root"
dpkg-deb -x "$pictures" "$work/root"
exe=$work/root/usr/games/lecture
file -b "$exe" | grep -q 'ARM aarch64' || fail "$exe is not an arm64 program: $(file -b "$exe")"
say "$(basename "$program"): $(file -b "$exe" | cut -d, -f1-2)"

start_xvfb 1024x768x24
home=$work/home
settings=$home/.local/share/Lecture/imolectu.dat
# Mode 2, where a click draws its mark (the default mode marks the answer
# by itself); dated in the past, so that the quit button's save shows.
mkdir -p "$(dirname "$settings")"
printf '1203060110000000000000000000000000000000000' >"$settings"
touch -d '2000-01-01' "$settings"
# qemu finds the arm64 loader and libraries in their multiarch places under /.
(cd "$home" && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u QT_QPA_PLATFORM \
    HOME="$home" qemu-aarch64 -L / "$exe" >"$work/lecture.log" 2>&1) &
app=$!
win=$(timeout 60 xdotool search --sync --onlyvisible --name '^Lecture$' | head -n1) || true
[ -n "$win" ] || { cat "$work/lecture.log" >&2; fail "no Lecture window"; }
sleep 3

# Pixels of one colour in a PNG.
count_colour() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}
import -window "$win" "$OUT/arm64-board.png"
aqua=$(count_colour "$OUT/arm64-board.png" 'rgb(0,255,255)')
# The designed window is 331 x 292; an empty board is nearly all aqua.
[ "$aqua" -lt 70000 ] || fail "no pictures on the board ($aqua aqua pixels)"
white=$(count_colour "$OUT/arm64-board.png" 'rgb(255,255,255)')
[ "$white" -gt 4000 ] || fail "no picture cards on the board ($white white pixels)"
say "board shown: $aqua aqua and $white white pixels ($OUT/arm64-board.png)"

# The mark appears in the strip above the clicked picture.
strip='60x44+18+18'
xdotool mousemove --window "$win" 48 102 click 1
sleep 3
import -window "$win" "$OUT/arm64-mark.png"
changed=$(compare -metric AE "$OUT/arm64-board.png[$strip]" "$OUT/arm64-mark.png[$strip]" null: 2>&1 || true)
[ "${changed%%.*}" -gt 100 ] 2>/dev/null || fail "no mark above the clicked picture ($changed pixels changed)"
say "a click drew its mark: $changed pixels changed above the first picture ($OUT/arm64-mark.png)"

xdotool mousemove --window "$win" 116 273 click 1   # quit: bottom strip, second button
t=0
while kill -0 "$app" 2>/dev/null; do
    t=$((t + 1)); [ "$t" -le 150 ] || fail "Lecture did not quit"; sleep 0.2
done
app=""
[ "$(stat -c %Y "$settings")" -gt "$(date -d '2001-01-01' +%s)" ] \
    || { cat "$work/lecture.log" >&2; fail "the settings file was not written on quitting"; }
say "quit button: wrote $(wc -c <"$settings") bytes to ~/.local/share/Lecture/imolectu.dat: $(cat "$settings")"
