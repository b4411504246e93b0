# What the Windows build's scripts read from the machine, in one place
# (sourced by build-windows.sh, check-windows.sh and wine-run.sh).
MINGW=x86_64-w64-mingw32

# The version of the machine's Qt package (its own architecture's: a foreign
# one installed beside it would double the answer); empty when not installed.
machine_qt_deb_version() {
    dpkg-query -W -f='${Version}' "qt6-base-dev:$(dpkg --print-architecture)" 2>/dev/null || true
}

# Where the cross-built Qt is kept unless LECTURE_WIN_QT says otherwise.
default_win_qt() {
    v=$(machine_qt_deb_version)
    echo "/var/cache/lecture/qt6-mingw-${v%%+*}"
}

# The folders of the MinGW run-time DLLs the program loads (libstdc++,
# libgcc, winpthread), as the installed cross compiler finds them: no GCC
# version written here.
mingw_runtime_dirs() {
    for dll in libstdc++-6.dll libwinpthread-1.dll; do
        f=$($MINGW-g++-posix -print-file-name="$dll" 2>/dev/null) || continue
        # The compiler echoes a bare name it did not find.
        [ -f "$f" ] || continue
        (cd "$(dirname "$f")" && pwd -P)
    done
}
