# Sourced by the screenshot scripts of tools/: a virtual screen with a window
# manager, and the game of build/lecture started on it as a person would,
# in a scratch folder of its own (the pictures linked, a settings file
# given), with the clock stopped so that every run draws the same words.
# Needs Xvfb, openbox, xdotool, ImageMagick's import and faketime
# (scripts/install-deps.sh screenshots).

# shots_settings STYLE MODE: the settings file of the shots, the defaults
# in that letter style and exercise mode (mode 1, "La découverte", marks the
# right picture at once).
shots_settings() {
    printf '%s%s012411100%s00000000' "$1" "$2" 000000000000000000000000
}

# start_screen WIDTHxHEIGHT DISPLAY
start_screen() {
    Xvfb "$2" -screen 0 "${1}x24" -nolisten tcp &
    shots_xvfb=$!
    export DISPLAY="$2"
    sleep 1
    openbox &
    shots_wm=$!
    sleep 1
}

stop_screen() {
    stop_game
    kill "$shots_wm" "$shots_xvfb" 2>/dev/null || true
    wait "$shots_wm" "$shots_xvfb" 2>/dev/null || true
    shots_wm="" shots_xvfb=""
}

# start_game SETTINGS [VARIABLE=VALUE...]: starts the game with that
# settings file and waits for its window, whose id is then $shots_win. The
# time of day the game seeds its draw from stays at 10:00:00.000 (the
# event loop's own clock runs on).
start_game() {
    shots_dir=$(mktemp -d)
    ln -s "$ROOT/build/lecture/images" "$shots_dir/images"
    printf '%s' "$1" >"$shots_dir/imolectu.dat"
    shift
    mkdir "$shots_dir/home" "$shots_dir/none"
    (cd "$shots_dir" && exec env HOME="$shots_dir/home" XDG_CONFIG_DIRS="$shots_dir/none" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "$@" faketime -f '2026-01-05 10:00:00' "$ROOT/build/lecture/lecture") &
    shots_game=$!
    shots_win=$(xdotool search --sync --onlyvisible --name '^Lecture$' | head -1)
    xdotool windowactivate --sync "$shots_win"
    sleep 1
}

stop_game() {
    [ -n "${shots_game:-}" ] || return 0
    kill "$shots_game" 2>/dev/null || true
    wait "$shots_game" 2>/dev/null || true
    rm -rf "$shots_dir"
    shots_game=""
}

# click_designed WINDOW X Y WIDTH: a click at the designed pixel (X, Y) of a
# window designed WIDTH pixels wide, shown at a whole factor; the pointer
# then leaves it, so that no hint opens.
click_designed() {
    width=$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p')
    k=$((width / $4))
    xdotool mousemove --window "$1" $(($2 * k + k / 2)) $(($3 * k + k / 2)) click 1 mousemove 0 0
}
