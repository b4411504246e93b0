#!/bin/sh
# Runs a Windows program under Wine, unattended and kept apart from the
# user's own Wine:
#
#   scripts/lib/wine-run.sh PROGRAM.exe [ARGS...]
#
# Also CMake's cross-compiling emulator for the Windows build's tests.
#
#   LECTURE_WINE_WORK     work folder holding the Wine prefix and the HOME it
#                         sees (default build-windows/wine); made on first use
#   LECTURE_WIN_QT        the cross-built Qt, whose DLLs and plug-ins the tests
#                         load (default /var/cache/lecture/qt6-mingw-<version>)
#   LECTURE_WINE_BARE    when set, none of that Qt: the program must find its
#                         DLLs and plug-ins beside it, as on a user's machine
#   LECTURE_WINE_TIMEOUT  seconds before the program is stopped (default 600):
#                         a modal message box, such as Qt's for a missing
#                         platform plug-in, would otherwise wait for ever
#
# Wine hides QT_* variables from Windows programs unless they are spelt
# WINEQT_*; every QT_* variable given here is passed on that way.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=${LECTURE_WINE_WORK:-$here/../../build-windows/wine}
mkdir -p "$work/home"
work=$(cd "$work" && pwd)

export WINEPREFIX="$work/prefix"
export HOME="$work/home"
export WINEDEBUG=-all
# No Mono or Gecko install prompts, no Linux menu entries for what it installs.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# A unix path as Wine's Z: drive names it.
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}

. "$here/mingw.sh"
LECTURE_WIN_QT=${LECTURE_WIN_QT:-$(default_win_qt)}
if [ -z "${LECTURE_WINE_BARE:-}" ]; then
    winepath=""
    for d in "$LECTURE_WIN_QT/bin" $(mingw_runtime_dirs); do
        winepath="$winepath${winepath:+;}$(windows_path "$d")"
    done
    export WINEPATH="$winepath${WINEPATH:+;$WINEPATH}"
    if [ -z "${QT_PLUGIN_PATH:-}" ] && [ -d "$LECTURE_WIN_QT/plugins" ]; then
        QT_PLUGIN_PATH=$(windows_path "$LECTURE_WIN_QT/plugins")
        export QT_PLUGIN_PATH
    fi
fi
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$name=\"\$$name\""
done

# The first run makes the prefix; parallel runs wait for it. Wine's server and
# services outlive the program that started them, holding its output open:
# they start here, on no output, and stay a minute after the last program,
# so that a test's output closes when the test ends.
(
    flock 9
    wineserver -p60 </dev/null >/dev/null 2>&1 9>&- || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        timeout 300 wine wineboot --init </dev/null >/dev/null 2>&1 9>&- || true
    else
        timeout 120 wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&- || true
    fi
) 9>"$work/.prefix-lock"

exec timeout -k 10 "${LECTURE_WINE_TIMEOUT:-600}" wine "$@"
