#!/bin/sh
# Checks the Windows build under Wine, on Debian 12 (as root or with sudo):
# builds it (scripts/build-windows.sh), installs the setup silently in a
# fresh Wine prefix under Xvfb, starts the installed game from its Start-menu
# entry, plays a turn, quits with the quit button, checks that the settings
# landed in the Wine user's application-data folder, uninstalls silently and
# checks that everything installed is gone; starts the unpacked zip and
# checks that it keeps its settings beside it; then runs the test suite, cross-
# built, under Wine. Screenshots land in build-windows/check/.
#
#   scripts/check-windows.sh            all of it
#   scripts/check-windows.sh --no-tests without the test suite
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
. scripts/lib/xvfb.sh

TESTS=1
[ "${1:-}" = --no-tests ] && TESTS=0

scripts/build-windows.sh
VERSION=$(sed -n 's/^project(Lecture VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup=$ROOT/build-windows/Lecture-$VERSION-setup.exe
work=$ROOT/build-windows/check
rm -rf "$work"
mkdir -p "$work"

say() { echo "check-windows: $*"; }
fail() {
    echo "check-windows: FAILED: $*" >&2
    exit 1
}

export LECTURE_WINE_WORK="$work/wine" LECTURE_WINE_BARE=1
WINE_RUN=$ROOT/scripts/lib/wine-run.sh
# What the Wine prefix calls its folders, as Linux sees them.
drive_c=$work/wine/prefix/drive_c
program_dir="$drive_c/Program Files/Lecture"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"

cleanup() {
    [ -z "${app:-}" ] || kill "$app" 2>/dev/null || true
    WINEPREFIX="$work/wine/prefix" wineserver -k 2>/dev/null || true
    stop_xvfb
}
trap cleanup EXIT INT TERM
start_xvfb 1920x1080x24

wait_wine() {
    WINEPREFIX="$work/wine/prefix" timeout 120 wineserver -w || fail "Wine still busy after 2 minutes"
}

# --- Installed silently ------------------------------------------------------
"$WINE_RUN" "$setup" /S || fail "setup returned $?"
wait_wine
for f in lecture.exe uninstall.exe Qt6Core.dll platforms/qwindows.dll images/ZEBRE.bmp; do
    [ -f "$program_dir/$f" ] || fail "not installed: $f"
done
[ -f "$start_menu/Lecture.lnk" ] || fail "no Start-menu entry"
"$WINE_RUN" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lecture' /v UninstallString \
    >"$work/uninstall-key.txt" 2>&1 || fail "not listed among the installed programs"
say "installed: $(find "$program_dir" -type f | wc -l) files, $(du -sk "$program_dir" | cut -f1) kB"

# --- Started from the Start-menu entry, a turn played, quit ------------------
# A class default in the machine-wide folder: capitals, "Les premiers pas",
# names of 3 to 6 letters. The user has no file of his own yet.
class_default=$drive_c/ProgramData/lecture/imolectu.dat
mkdir -p "$(dirname "$class_default")"
printf '3203060110000000000000000000000000000000000' >"$class_default"
# open_game: waits for the game's window and takes its place and zoom.
# Without a window manager the window has no frame: its size is the client
# size, a whole number of times the designed 331 x 291.
open_game() {
    win=$(timeout 60 xdotool search --sync --onlyvisible --name '^Lecture$' | head -n1) || true
    [ -n "$win" ] || fail "no Lecture window"
    sleep 3
    eval "$(xdotool getwindowgeometry --shell "$win")"
    zoom=$((WIDTH / 331))
    [ "$zoom" -ge 1 ] && [ $((WIDTH % 331)) -eq 0 ] && [ "$HEIGHT" -eq $((291 * zoom)) ] \
        || fail "window of ${WIDTH}x$HEIGHT is not the game's at a whole zoom"
}
# Clicks a designed pixel of the game's window.
click() {
    xdotool mousemove --window "$win" $(($1 * zoom + zoom / 2)) $(($2 * zoom + zoom / 2)) click 1
    sleep 1
}
# The quit button, in the bottom strip; then waits for the game's end.
quit_game() {
    click 116 273
    t=0
    while kill -0 "$app" 2>/dev/null; do
        t=$((t + 1))
        [ "$t" -le 60 ] || fail "the game did not quit"
        sleep 1
    done
    app=""
    # The game's process may still be ending, its DLLs still in use.
    wait_wine
}

# The entry's target, as Windows would start it: the shell follows the link.
LECTURE_WINE_TIMEOUT=120 "$WINE_RUN" start /wait 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Lecture.lnk' \
    >"$work/game.log" 2>&1 &
app=$!
open_game
say "window at $X,$Y, ${WIDTH}x$HEIGHT: zoom $zoom"
shot() { import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/$1.png"; }
shot start
# The mark row above the first picture, in screen pixels.
mark_row() { convert "$work/$1.png" -crop "$((64 * zoom))x$((40 * zoom))+$((16 * zoom))+$((30 * zoom))" +repage "$work/$1-mark.png"; }
click 48 102 # the first picture
shot played
mark_row start
mark_row played
changed=$(compare -metric AE "$work/start-mark.png" "$work/played-mark.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 0 ] 2>/dev/null || fail "no mark drawn over the picture clicked"
say "a turn played: $changed pixels of the mark row changed"
# The settings dialog, for its texts drawn with the shipped font; closed by
# its cancel button.
click 165 273
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Paramètres' | head -n1) || true
[ -n "$dialog" ] || fail "the settings dialog did not open"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$dialog" | sed 's/^/DIALOG_/')"
import -window root -crop "${DIALOG_WIDTH}x$DIALOG_HEIGHT+$DIALOG_X+$DIALOG_Y" +repage "$work/settings.png"
xdotool mousemove --window "$dialog" $((194 * zoom)) $((190 * zoom)) click 1
sleep 2
if xdotool search --onlyvisible --name '^Paramètres' >/dev/null 2>&1; then
    fail "the settings dialog did not close on cancel"
fi
quit_game
settings=$(find "$drive_c/users" -path '*/AppData/Roaming/Lecture/imolectu.dat' | head -n1)
[ -n "$settings" ] || fail "no imolectu.dat in the user's application-data folder"
[ "$(wc -c <"$settings")" -eq 43 ] || fail "imolectu.dat is not 43 bytes"
[ "$(head -c6 "$settings")" = 320306 ] || fail "the class default was not the user's start: $(head -c6 "$settings")"
[ "$(cat "$class_default")" = 3203060110000000000000000000000000000000000 ] || fail "class default changed"
[ ! -e "$program_dir/imolectu.dat" ] || fail "settings written into Program Files"
say "settings saved from the class default C:/ProgramData/lecture: ${settings#"$drive_c"/}"

# --- Uninstalled silently ----------------------------------------------------
# The uninstaller copies itself to %TEMP% and returns at once: Wine's server
# tells when it is done.
"$WINE_RUN" 'C:\Program Files\Lecture\uninstall.exe' /S || fail "uninstaller returned $?"
wait_wine
[ ! -e "$program_dir" ] || fail "left after uninstall: $(find "$program_dir" | head -n5 | tr '\n' ' ')"
[ ! -e "$start_menu/Lecture.lnk" ] || fail "Start-menu entry left"
if "$WINE_RUN" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lecture' >/dev/null 2>&1; then
    fail "still listed among the installed programs"
fi
[ -f "$settings" ] || fail "the user's settings went with the program"
say "uninstalled: program folder, menu entry and listing gone, user's settings kept"

# --- The zip, unpacked and started in its folder -----------------------------
cp "$settings" "$work/user-settings.dat"
unzip -q "$ROOT/build-windows/Lecture-$VERSION-windows.zip" -d "$drive_c/Portable"
portable=$drive_c/Portable/Lecture
# Started in its own folder, as Explorer starts a program.
(cd "$portable" && LECTURE_WINE_TIMEOUT=120 exec "$WINE_RUN" lecture.exe) >"$work/portable.log" 2>&1 &
app=$!
open_game
quit_game
[ "$(wc -c <"$portable/imolectu.dat" 2>/dev/null || echo 0)" -eq 43 ] || fail "the unpacked copy kept no imolectu.dat beside it"
cmp -s "$settings" "$work/user-settings.dat" || fail "the unpacked copy changed the installed copy's settings"
say "unpacked copy: settings kept beside lecture.exe"

[ "$TESTS" -eq 1 ] || exit 0

# --- The test suite under Wine -----------------------------------------------
unset LECTURE_WINE_BARE
export LECTURE_WINE_WORK="$ROOT/build-windows/wine"
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
LECTURE_WIN_QT=${LECTURE_WIN_QT:-/var/cache/lecture/qt6-mingw-${qt_version%%+*}} cmake --preset windows >/dev/null
cmake --build --preset windows -j"${LECTURE_JOBS:-$(nproc)}"
ctest --preset windows -j"${LECTURE_JOBS:-$(nproc)}" || fail "tests under Wine"
say "all passed"
