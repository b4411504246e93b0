#!/bin/sh
# Makes every screenshot the README and docs/ show, from the current build,
# into docs/screenshots/: the three letter styles, the window magnified on
# three screen sizes, the settings dialog on a desktop scaled by 2, and full
# screen on 1920 x 1080. The game runs on a virtual screen with a window
# manager, its clock stopped, so the same tree gives the same pictures.
#
#   tools/screenshots.sh [DISPLAY]      (default :64)
#
# The two pictures under Wine (windows-wine-*.png) are check-windows.sh's.
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
display=${1:-:64}
out=$ROOT/docs/screenshots
. tools/shots-lib.sh

scripts/install-deps.sh screenshots
cmake --preset default >/dev/null
cmake --build --preset default --target lecture >/dev/null
trap stop_screen EXIT

window_shot() { import -window "$shots_win" "$out/$1.png"; }

# The same name in the three styles: the style button, twice.
start_screen 1366x768 "$display"
start_game "$(shots_settings 1 1)"
window_shot lecture-joined
for style in print capitals; do
    click_designed "$shots_win" 20 235 331
    sleep 1
    window_shot "lecture-$style"
done
stop_screen

# The window as it opens on larger screens: factor 2, 3 and 4.
for size in 1920x1080 2560x1440 3840x2160; do
    start_screen "$size" "$display"
    start_game "$(shots_settings 1 1)"
    window_shot "zoom-$size"
    stop_screen
done

# The settings dialog, from the toolbox button, on a 4K desktop scaled by 2.
start_screen 3840x2160 "$display"
start_game "$(shots_settings 1 1)" QT_SCALE_FACTOR=2
click_designed "$shots_win" 165 272 331
dialog=$(xdotool search --sync --onlyvisible --name '^Paramètres de Imagimot' | head -1)
sleep 1
import -window "$dialog" "$out/zoom-settings-3840x2160-scale2.png"
stop_screen

# Full screen, a click on the first picture and its mark.
tools/fullscreen-shots.sh 1920x1080 "$display" "$ROOT/build/shots" >/dev/null
cp build/shots/fullscreen-mark.png "$out/fullscreen-1920x1080.png"
ls -l "$out"
