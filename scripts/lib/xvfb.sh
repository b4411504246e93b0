# Sourced by the scripts and benchmarks that need a display of their own.
#
#   start_xvfb [SCREEN]   starts a private Xvfb (SCREEN as WxHxD, default
#                         1280x1024x24) on a display number Xvfb picks
#                         itself, waits until it accepts clients, exports
#                         DISPLAY and sets xvfb_pid
#   stop_xvfb             stops it; safe to call twice or before a start
#
# Callers stop it in their own EXIT trap.

start_xvfb() {
    _xvfb_display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$_xvfb_display_file" 2>/dev/null &
    xvfb_pid=$!
    # Xvfb writes its display number once it is ready for clients.
    _xvfb_tries=0
    while [ ! -s "$_xvfb_display_file" ]; do
        _xvfb_tries=$((_xvfb_tries + 1))
        if [ "$_xvfb_tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "Xvfb did not start" >&2
            rm -f "$_xvfb_display_file"
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=:$(head -n1 "$_xvfb_display_file")
    export DISPLAY
    rm -f "$_xvfb_display_file"
}

stop_xvfb() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    xvfb_pid=""
}
