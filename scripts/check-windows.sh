#!/bin/sh
# Checks the Windows build under Wine, on Debian 12 (as root or with sudo):
# builds it (scripts/build-windows.sh), then, under Xvfb:
# - the setup, in a fresh Wine prefix: refuses a folder holding someone
#   else's files and leaves them whole; installs silently; the game started
#   from its Start-menu entry plays a turn, quits with the quit button and
#   leaves the settings in the Wine user's application-data folder; its
#   full-screen entry starts it too; a second installation elsewhere is
#   refused; a higher version installs over it, removing the file it no
#   longer has and keeping a file someone put beside it; the MSI package
#   refuses to install beside it; uninstalled silently, it leaves nothing of
#   its own;
# - the MSI package, in another fresh prefix: installs silently, the game
#   plays and saves as above; the setup refuses to install beside it; a
#   higher version upgrades it (one entry among the installed programs);
#   removed silently, nothing of it is left and the settings stay;
# - the zip, unpacked and started in its folder, keeps its settings beside it;
# then runs the test suite, cross-built, under Wine. Screenshots land in
# build-windows/check/.
#
#   scripts/check-windows.sh            all of it
#   scripts/check-windows.sh --no-tests without the test suite
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
. scripts/lib/xvfb.sh
. scripts/lib/mingw.sh
. scripts/lib/sudo-caller.sh
begin_giving_back
# Wine reads the names it is given (the full-screen entry's é) in the
# locale's character set.
export LC_ALL=C.UTF-8

TESTS=1
[ "${1:-}" = --no-tests ] && TESTS=0

scripts/build-windows.sh
VERSION=$(sed -n 's/^project(Lecture VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=build-windows
work=$out/check
rm -rf "$work"
mkdir -p "$work"
work=$ROOT/$work

say() { echo "check-windows: $*"; }
fail() {
    echo "check-windows: FAILED: $*" >&2
    exit 1
}

# The next version, for the upgrades: the same folder, one file under a new
# name, so that an upgrade must both add a file and remove one.
NEXT=$(echo "$VERSION" | awk -F. '{ printf "%d.%d.%d", $1, $2, $3 + 1 }')
GONE=licences/Wine-fonts.txt
ADDED=licences/Wine-fonts-$NEXT.txt
rm -rf "$out/next"
mkdir -p "$out/next"
cp -a "$out/Lecture" "$out/next/"
mv "$out/next/Lecture/$GONE" "$out/next/Lecture/$ADDED"
scripts/build-windows.sh installers "$out/next/Lecture" "$NEXT" "$out/next" >/dev/null
setup=$ROOT/$out/Lecture-$VERSION-setup.exe
msi=$ROOT/$out/Lecture-$VERSION.msi
next_setup=$ROOT/$out/next/Lecture-$NEXT-setup.exe
next_msi=$ROOT/$out/next/Lecture-$NEXT.msi

export LECTURE_WINE_BARE=1
WINE_RUN=$ROOT/scripts/lib/wine-run.sh
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# use_prefix NAME: a fresh Wine prefix of its own for what follows, and the
# names of its folders as Linux sees them.
use_prefix() {
    [ -z "${LECTURE_WINE_WORK:-}" ] || WINEPREFIX="$LECTURE_WINE_WORK/prefix" wineserver -k 2>/dev/null || true
    export LECTURE_WINE_WORK="$work/$1"
    drive_c=$LECTURE_WINE_WORK/prefix/drive_c
    program_dir="$drive_c/Program Files/Lecture"
    start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    class_default=$drive_c/ProgramData/lecture/imolectu.dat
}

cleanup() {
    [ -z "${app:-}" ] || kill "$app" 2>/dev/null || true
    [ -z "${LECTURE_WINE_WORK:-}" ] || WINEPREFIX="$LECTURE_WINE_WORK/prefix" wineserver -k 2>/dev/null || true
    stop_xvfb
    give_back build build-windows
}
trap cleanup EXIT INT TERM
start_xvfb 1920x1080x24

wait_wine() {
    WINEPREFIX="$LECTURE_WINE_WORK/prefix" timeout 120 wineserver -w || fail "Wine still busy after 2 minutes"
}
# The entries among the installed programs named Lecture.
listed() {
    "$WINE_RUN" reg query "$UNINSTALL" /s 2>/dev/null | tr -d '\r' | grep -c 'DisplayName[[:space:]]*REG_SZ[[:space:]]*Lecture$' || true
}
# The installed files, as paths below the program's folder.
installed_files() {
    (cd "$program_dir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
}
# The menu entry named $1, as Windows names it; Wine's MSI puts a package's
# entries in the user's menu even for a machine-wide package, the setup in
# the one for all users.
menu_entry() {
    lnk=$(find "$drive_c/ProgramData" "$drive_c/users" -path "*/Start Menu/Programs/$1.lnk" 2>/dev/null)
    [ "$(printf '%s\n' "$lnk" | grep -c .)" -eq 1 ] || fail "not one menu entry \"$1\": $lnk"
    printf 'C:%s' "${lnk#"$drive_c"}" | tr / '\\'
}

# open_game: waits for the game's window and takes its place and zoom.
# Without a window manager the window has no frame: its size is the client
# size, a whole number of times the designed 331 x 291.
open_game() {
    win=$(timeout 60 xdotool search --sync --onlyvisible --name '^Lecture$' | head -n1) || true
    [ -n "$win" ] || fail "no Lecture window"
    sleep 3
    eval "$(xdotool getwindowgeometry --shell "$win")"
    zoom=$((WIDTH / 331))
    [ "$zoom" -ge 1 ] && [ $((WIDTH % 331)) -eq 0 ] && [ "$HEIGHT" -eq $((291 * zoom)) ] ||
        fail "window of ${WIDTH}x$HEIGHT is not the game's at a whole zoom"
    OX=0
    OY=0
}
# open_full_screen: waits for the game in full screen: its window covers the
# screen, the designed window drawn centred at the largest whole factor that
# fits (3 on 1920 x 1080), the rest the window's blue.
open_full_screen() {
    win=$(timeout 60 xdotool search --sync --onlyvisible --name '^Lecture$' | head -n1) || true
    [ -n "$win" ] || fail "no Lecture window"
    sleep 3
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "$X,$Y ${WIDTH}x$HEIGHT" = "0,0 1920x1080" ] || fail "full screen is a window of ${WIDTH}x$HEIGHT at $X,$Y"
    zoom=3
    OX=$(((WIDTH - 331 * zoom) / 2))
    OY=$(((HEIGHT - 291 * zoom) / 2))
}
# Clicks a designed pixel of the game's window.
click() {
    xdotool mousemove --window "$win" $((OX + $1 * zoom + zoom / 2)) $((OY + $2 * zoom + zoom / 2)) click 1
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
# start_entry NAME [OPENER]: starts the game as Windows would from the menu
# entry (the shell follows the link) and waits for it with OPENER.
start_entry() {
    entry=$(menu_entry "$1")
    LECTURE_WINE_TIMEOUT=120 "$WINE_RUN" start /wait "$entry" >>"$work/game.log" 2>&1 &
    app=$!
    ${2:-open_game}
}
shot() { import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/$1.png"; }
# The mark row above the first picture, in screen pixels.
mark_row() { convert "$work/$1.png" -crop "$((64 * zoom))x$((40 * zoom))+$((OX + 16 * zoom))+$((OY + 30 * zoom))" +repage "$work/$1-mark.png"; }
# play_turn NAME: clicks the first picture and finds its mark above it.
play_turn() {
    shot "$1-start"
    click 48 102 # the first picture
    shot "$1-played"
    mark_row "$1-start"
    mark_row "$1-played"
    changed=$(compare -metric AE "$work/$1-start-mark.png" "$work/$1-played-mark.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 0 ] 2>/dev/null || fail "no mark drawn over the picture clicked"
    say "$1: a turn played: $changed pixels of the mark row changed"
}

# play NAME: with a class default in the machine-wide folder (capitals, "Les
# premiers pas", names of 3 to 6 letters) and no file of the user's yet,
# starts the game from its menu entry, clicks a picture and finds its mark,
# opens and cancels the settings dialog, quits, and finds the user's
# settings, started from the class default, in the user's application data;
# then starts it from the full-screen entry and plays a turn there.
play() {
    mkdir -p "$(dirname "$class_default")"
    printf '3203060110000000000000000000000000000000000' >"$class_default"
    start_entry Lecture
    say "$1: window at $X,$Y, ${WIDTH}x$HEIGHT: zoom $zoom"
    play_turn "$1"
    # The settings dialog, for its texts drawn with the shipped font; closed
    # by its cancel button.
    click 165 273
    dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Paramètres' | head -n1) || true
    [ -n "$dialog" ] || fail "the settings dialog did not open"
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$dialog" | sed 's/^/DIALOG_/')"
    import -window root -crop "${DIALOG_WIDTH}x$DIALOG_HEIGHT+$DIALOG_X+$DIALOG_Y" +repage "$work/$1-settings.png"
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
    say "$1: settings saved from the class default C:/ProgramData/lecture: ${settings#"$drive_c"/}"
    start_entry "Lecture en plein écran" open_full_screen
    play_turn "$1-full-screen"
    # Beside the drawing, the screen is the window's blue only.
    colours=$(convert "$work/$1-full-screen-played.png" -crop "$((OX - 1))x1080+0+0" -format %k info:)
    [ "$colours" -eq 1 ] || fail "$colours colours beside the full-screen drawing, not the blue alone"
    quit_game
    say "$1: the full-screen entry: factor $zoom, drawn at $OX,$OY; a turn played; quit"
}

# --- The setup ---------------------------------------------------------------
use_prefix wine
# Someone's folder, typed in the folder page: refused, its files whole.
mkdir -p "$drive_c/Test"
printf 'my own licence\n' >"$drive_c/Test/LICENSE.txt"
printf 'another program\n' >"$drive_c/Test/Qt6Core.dll"
(cd "$drive_c/Test" && md5sum LICENSE.txt Qt6Core.dll) >"$work/test-folder.md5"
if "$WINE_RUN" "$setup" /S '/D=C:\Test'; then fail "the setup installed into a folder holding other files"; fi
wait_wine
(cd "$drive_c/Test" && md5sum -c --quiet "$work/test-folder.md5") || fail "the files of C:\\Test changed"
[ "$(find "$drive_c/Test" | wc -l)" -eq 3 ] || fail "the setup added to C:\\Test: $(ls "$drive_c/Test")"
[ "$(listed)" -eq 0 ] || fail "listed among the installed programs after a refusal"
say "setup: a folder holding other files refused, its files whole"

"$WINE_RUN" "$setup" /S || fail "setup returned $?"
wait_wine
for f in lecture.exe uninstall.exe INSTALLED-FILES.txt Qt6Core.dll platforms/qwindows.dll images/ZEBRE.bmp; do
    [ -f "$program_dir/$f" ] || fail "not installed: $f"
done
[ -f "$start_menu/Lecture.lnk" ] && [ -f "$start_menu/Lecture en plein écran.lnk" ] || fail "no Start-menu entries for all users"
"$WINE_RUN" reg query "$UNINSTALL\\Lecture" /v EstimatedSize >"$work/uninstall-key.txt" 2>&1 ||
    fail "not listed among the installed programs"
[ "$(listed)" -eq 1 ] || fail "listed $(listed) times"
say "setup: installed $(installed_files | wc -l) files, $(du -sk "$program_dir" | cut -f1) kB"
play setup

# Once a machine: a second installation elsewhere is refused.
if "$WINE_RUN" "$setup" /S '/D=C:\Autre'; then fail "a second installation in C:\\Autre"; fi
wait_wine
[ ! -e "$drive_c/Autre" ] || fail "C:\\Autre was made"
# The package for deployment refuses to install beside it.
if "$WINE_RUN" msiexec /i "$msi" /qn; then fail "the MSI package installed beside the setup's copy"; fi
wait_wine
! "$WINE_RUN" reg query 'HKLM\Software\Lecture' >/dev/null 2>&1 || fail "the MSI package left its mark"
[ "$(listed)" -eq 1 ] || fail "listed $(listed) times after the MSI package was refused"
say "setup: a second installation elsewhere and the MSI package refused"

# The next version over it: the file it no longer has goes, someone's file
# beside the program stays.
printf 'a note of the teacher\n' >"$program_dir/notes.txt"
"$WINE_RUN" "$next_setup" /S || fail "the next version's setup returned $?"
wait_wine
[ ! -e "$program_dir/$GONE" ] || fail "the upgrade left the earlier version's $GONE"
[ -f "$program_dir/$ADDED" ] || fail "the upgrade did not install $ADDED"
[ "$(cat "$program_dir/notes.txt")" = "a note of the teacher" ] || fail "the upgrade removed someone's notes.txt"
[ "$(listed)" -eq 1 ] || fail "listed $(listed) times after the upgrade"
"$WINE_RUN" reg query "$UNINSTALL\\Lecture" /v DisplayVersion | grep -q "$NEXT" || fail "the listing is not of $NEXT"
say "setup: upgraded to $NEXT in place: $GONE removed, $ADDED added, someone's file kept"

# Uninstalled silently: the uninstaller copies itself to %TEMP% and returns
# at once; Wine's server tells when it is done. Only someone's file is left.
"$WINE_RUN" 'C:\Program Files\Lecture\uninstall.exe' /S || fail "uninstaller returned $?"
wait_wine
[ "$(installed_files)" = notes.txt ] || fail "left after uninstall: $(installed_files | head -n5 | tr '\n' ' ')"
rm "$program_dir/notes.txt"
rmdir "$program_dir"
[ ! -e "$start_menu/Lecture.lnk" ] && [ ! -e "$start_menu/Lecture en plein écran.lnk" ] || fail "Start-menu entries left"
[ "$(listed)" -eq 0 ] || fail "still listed among the installed programs"
[ -f "$settings" ] || fail "the user's settings went with the program"
say "setup: uninstalled: its files, menu entries and listing gone; someone's file and the user's settings kept"

# --- The zip, unpacked and started in its folder -----------------------------
cp "$settings" "$work/user-settings.dat"
unzip -q "$ROOT/$out/Lecture-$VERSION-windows.zip" -d "$drive_c/Portable"
portable=$drive_c/Portable/Lecture
# Started in its own folder, as Explorer starts a program.
(cd "$portable" && LECTURE_WINE_TIMEOUT=120 exec "$WINE_RUN" lecture.exe) >"$work/portable.log" 2>&1 &
app=$!
open_game
quit_game
[ "$(wc -c <"$portable/imolectu.dat" 2>/dev/null || echo 0)" -eq 43 ] || fail "the unpacked copy kept no imolectu.dat beside it"
cmp -s "$settings" "$work/user-settings.dat" || fail "the unpacked copy changed the installed copy's settings"
say "zip: settings kept beside lecture.exe"

# --- The MSI package -----------------------------------------------------------
use_prefix wine-msi
"$WINE_RUN" msiexec /i "$msi" /qn || fail "msiexec /i returned $?"
wait_wine
for f in lecture.exe INSTALLED-FILES.txt Qt6Core.dll platforms/qwindows.dll images/ZEBRE.bmp; do
    [ -f "$program_dir/$f" ] || fail "not installed by the MSI package: $f"
done
[ ! -e "$program_dir/uninstall.exe" ] || fail "the MSI package installed an uninstaller"
# The same files as the setup's, the setup's uninstaller apart.
(cd "$out/Lecture" && find . -type f | sed 's|^\./||'; echo INSTALLED-FILES.txt) | LC_ALL=C sort >"$work/expected-files.txt"
installed_files | cmp -s - "$work/expected-files.txt" || fail "the MSI package did not install the setup's files"
[ "$(listed)" -eq 1 ] || fail "the MSI package is listed $(listed) times"
product=$("$WINE_RUN" reg query 'HKLM\Software\Lecture' /v ProductCode | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p')
"$WINE_RUN" reg query "$UNINSTALL\\$product" >"$work/msi-key.txt" 2>&1 || fail "no listing for $product"
size=$(tr -d '\r' <"$work/msi-key.txt" | sed -n 's/^[[:space:]]*Size[[:space:]]*REG_SZ[[:space:]]*//p')
[ "${size:-0}" -gt 1000 ] || fail "the listing gives no size: $(cat "$work/msi-key.txt")"
[ -f "$drive_c/windows/Installer/$product/lecture.ico" ] || fail "no icon for the listing"
say "msi: installed $(installed_files | wc -l) files; listed as $product, $size kB, with its icon"
play msi

# The setup refuses to install beside it.
if "$WINE_RUN" "$setup" /S; then fail "the setup installed beside the MSI package's copy"; fi
wait_wine
[ ! -e "$program_dir/uninstall.exe" ] || fail "the setup wrote into the MSI package's folder"
installed_files | cmp -s - "$work/expected-files.txt" || fail "the refused setup changed the installed files"
[ "$(listed)" -eq 1 ] || fail "listed $(listed) times after the setup was refused"
say "msi: the setup refused"

# The next version's package upgrades it.
"$WINE_RUN" msiexec /i "$next_msi" /qn || fail "msiexec /i of $NEXT returned $?"
wait_wine
[ ! -e "$program_dir/$GONE" ] || fail "the MSI upgrade left the earlier version's $GONE"
[ -f "$program_dir/$ADDED" ] || fail "the MSI upgrade did not install $ADDED"
[ "$(listed)" -eq 1 ] || fail "listed $(listed) times after the MSI upgrade"
"$WINE_RUN" reg query "$UNINSTALL" /s | grep -q "DisplayVersion.*$NEXT" || fail "the listing is not of $NEXT"
# An older package does not go back over it.
if "$WINE_RUN" msiexec /i "$msi" /qn; then fail "the older package installed over $NEXT"; fi
wait_wine
[ -f "$program_dir/$ADDED" ] || fail "the older package changed the installation"
say "msi: upgraded to $NEXT (one listing, $GONE removed, $ADDED added); the older package refused"

"$WINE_RUN" msiexec /x "$next_msi" /qn || fail "msiexec /x returned $?"
wait_wine
[ ! -e "$program_dir" ] || fail "left after removal: $(installed_files | head -n5 | tr '\n' ' ')"
left=$(find "$drive_c" -path '*/Start Menu/Programs/Lecture*.lnk')
[ -z "$left" ] || fail "menu entries left: $left"
[ "$(listed)" -eq 0 ] || fail "still listed after removal"
! "$WINE_RUN" reg query 'HKLM\Software\Lecture' >/dev/null 2>&1 || fail "its registry key left"
[ -f "$settings" ] || fail "the user's settings went with the package"
[ -f "$class_default" ] || fail "the class default went with the package"
say "msi: removed: its files, menu entries, listing and key gone; the user's settings and the class default kept"

[ "$TESTS" -eq 1 ] || exit 0

# --- The test suite under Wine -----------------------------------------------
unset LECTURE_WINE_BARE
export LECTURE_WINE_WORK="$ROOT/$out/wine"
LECTURE_WIN_QT=${LECTURE_WIN_QT:-$(default_win_qt)} cmake --preset windows >/dev/null
cmake --build --preset windows -j"${LECTURE_JOBS:-$(nproc)}"
ctest --preset windows -j"${LECTURE_JOBS:-$(nproc)}" || fail "tests under Wine"
say "all passed"
