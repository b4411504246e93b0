#!/bin/sh
# Screenshots of the game in full screen on a virtual screen with a window
# manager, as a person would see it: F11, a click on a picture and its mark,
# the settings dialog over it, F11 back.
#
#   tools/fullscreen-shots.sh WIDTHxHEIGHT DISPLAY OUTDIR
#
# With QT_SCALE_FACTOR=2 in the environment, as on a desktop scaled by 2.
# The game built in build/lecture; the screen and the game as in
# tools/shots-lib.sh (what it needs, the stopped clock).
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
size=${1:-1920x1080}
display=${2:-:56}
out=${3:-/tmp/lecture-shots}
mkdir -p "$out"
. tools/shots-lib.sh

start_screen "$size" "$display"
trap stop_screen EXIT
# "Petit échauffement": a click gets its mark.
start_game "$(shots_settings 1 3)"

shot() { import -window root "$out/$1.png"; }
shot window
xdotool key F11
sleep 1.5
shot fullscreen
# The first picture's middle, in designed pixels (48, 102), at the factor
# the screen gives in device pixels, centred in whole window pixels (a
# whole QT_SCALE_FACTOR d gives d device pixels to each), the odd one right
# and below.
w=${size%x*}
h=${size#*x}
k=$(( w / 331 < h / 291 ? w / 331 : h / 291 ))
d=${QT_SCALE_FACTOR:-1}
x0=$(( (w / d - (331 * k + d - 1) / d) / 2 * d ))
y0=$(( (h / d - (291 * k + d - 1) / d) / 2 * d ))
xdotool mousemove $((x0 + 48 * k)) $((y0 + 102 * k)) click 1
sleep 1
shot fullscreen-mark
xdotool mousemove $((x0 + 165 * k)) $((y0 + 272 * k)) click 1
sleep 1.5
shot fullscreen-settings
xdotool key Escape
sleep 0.5
shot fullscreen-settings-escape
dialog=$(xdotool getactivewindow)
# The dialog's cancel button, in its own designed pixels.
click_designed "$dialog" 194 190 321
sleep 1
shot fullscreen-after-dialog
xdotool key F11
sleep 1.5
shot window-again
echo "factor $k, board at $x0,$y0; shots in $out"
