# Sourced by the scripts run with sudo that write into the tree
# (build-windows.sh, check-windows.sh). Run as root through sudo, what they
# make there would stay root's, and a later scripts/run.sh as the user could
# not build in build/. These give the calling user back what this run made
# or wrote, and nothing else: not what was there before, nor anything
# outside the folders named.
#   begin_giving_back          first thing in the script
#   give_back FOLDER...        at its exit
caller_stamp=""

begin_giving_back() {
    [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ] || return 0
    caller_stamp=$(mktemp)
}

give_back() {
    [ -n "$caller_stamp" ] || return 0
    for dir; do
        [ -e "$dir" ] || continue
        # Root's and changed since the stamp: made or written by this run
        # (the change time, unlike the modification time, no copy keeps).
        find "$dir" -user 0 -cnewer "$caller_stamp" -exec chown -h "$SUDO_USER:" {} +
    done
    rm -f "$caller_stamp"
    caller_stamp=""
}
