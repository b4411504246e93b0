#!/bin/sh
# Builds Lecture for 64-bit Windows on Debian 12, from Debian's packages only:
# the installer build-windows/Lecture-<version>-setup.exe, the package for
# deployment build-windows/Lecture-<version>.msi, the portable
# build-windows/Lecture-<version>-windows.zip and the folder they are made
# from, build-windows/Lecture/.
#
# Qt for Windows is cross-built once from Debian's own qt6-base source, at the
# version of the machine's Qt (whose tools it uses), and kept outside the tree:
#   LECTURE_WIN_QT     where that Qt is installed, or was by an earlier run
#                      (default /var/cache/lecture/qt6-mingw-<version>); a
#                      folder that exists and holds no Qt built here is
#                      refused, never emptied
#   LECTURE_CACHE      the script's own folder for Qt's source, build tree and
#                      log (default /var/cache/lecture)
#   LECTURE_QT_SOURCE  an unpacked qt6-base source to build it from, instead of
#                      fetching Debian's source package
#   LECTURE_JOBS       parallel build jobs (default: the number of cores)
#
#   scripts/build-windows.sh        everything
#   scripts/build-windows.sh qt     only the cross-built Qt
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
. scripts/lib/mingw.sh
. scripts/lib/sudo-caller.sh
begin_giving_back
trap 'give_back build build-windows' EXIT

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
APT_GET="apt-get -o DPkg::Lock::Timeout=900"
JOBS=${LECTURE_JOBS:-$(nproc)}
CACHE=${LECTURE_CACHE:-/var/cache/lecture}

fail() {
    echo "build-windows: $*" >&2
    exit 1
}

install_packages() {
    # The full group first, so that its packages keep their recommended
    # extras, then the cross tools on top.
    scripts/install-deps.sh full
    scripts/install-deps.sh windows
}

# The machine's Qt, whose moc, rcc and uic the cross build runs; read once
# the packages are in place, as a fresh machine has none before.
read_qt_version() {
    QT_DEB_VERSION=$(machine_qt_deb_version)
    QT_VERSION=${QT_DEB_VERSION%%+*}
    [ -n "$QT_VERSION" ] || fail "qt6-base-dev is not installed"
    QT_PREFIX=${LECTURE_WIN_QT:-$CACHE/qt6-mingw-$QT_VERSION}
    # A finished Qt, and one this script began: only that one may be
    # emptied and begun again.
    QT_STAMP=$QT_PREFIX/.lecture-qt-built
    QT_BEGUN=$QT_PREFIX/.lecture-qt-building
}

# make_own_folder DIR: makes DIR, with sudo where its parent is not the
# caller's to write, and gives it (that folder alone) to the caller.
make_own_folder() {
    if mkdir -p "$1" 2>/dev/null; then return 0; fi
    [ -n "$SUDO" ] || fail "cannot make $1"
    $SUDO mkdir -p "$1" && $SUDO chown "$(id -u):$(id -g)" "$1" || fail "cannot make $1"
}

# Writes, into folder $1, the machine's apt sources with every binary entry
# turned into a source entry. The project names no host: the machine's own
# sources know where Debian is.
derive_source_entries() {
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f"
    done >"$1/derived.list"
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        # Each stanza whose types include deb becomes a deb-src stanza.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*deb([ \t]|\n|$)/ {
                 sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$f"
    done >"$1/derived.sources"
}

# Unpacks Debian's qt6-base source, with Debian's patches applied, into $1.
# Apt works on lists and a cache of its own in a temporary folder, so the
# machine's sources and package lists stay as they were.
fetch_qt_source() {
    work=$(mktemp -d)
    mkdir -p "$work/parts" "$work/lists/partial" "$work/archives/partial"
    derive_source_entries "$work/parts"
    apt_tmp="-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts=$work/parts
-o Dir::State::Lists=$work/lists -o Dir::Cache::Archives=$work/archives
-o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache="
    # A third-party entry without sources may fail here; what matters is
    # whether Debian's source is found below.
    # shellcheck disable=SC2086
    $APT_GET $apt_tmp update -qq || true
    mkdir -p "$1.tmp"
    # shellcheck disable=SC2086
    if ! (cd "$1.tmp" && $APT_GET $apt_tmp source "qt6-base=$QT_DEB_VERSION"); then
        echo "qt6-base $QT_DEB_VERSION is not in the machine's sources; set LECTURE_QT_SOURCE" >&2
        rm -rf "$work" "$1.tmp"
        exit 1
    fi
    rm -rf "$work"
    mv "$1.tmp"/qt6-base-*/ "$1"
    rm -rf "$1.tmp"
}

# Shared, release, and no more of Qt than the game and its tests use: Core,
# Gui, Widgets, Test and the Windows platform plug-in, with Qt's own copies
# of zlib, libpng, FreeType, HarfBuzz and PCRE2 (MinGW has none of them).
build_qt() {
    if [ -f "$QT_STAMP" ]; then
        echo "Qt for Windows: $QT_PREFIX (built earlier)"
        return 0
    fi
    if [ -e "$QT_PREFIX" ] || [ -L "$QT_PREFIX" ]; then
        [ -f "$QT_BEGUN" ] && [ ! -L "$QT_PREFIX" ] ||
            fail "$QT_PREFIX already exists and holds no Qt built by this script; it is left as it is. Set LECTURE_WIN_QT to a new folder, or to one this script built."
    fi
    if [ -n "${LECTURE_QT_SOURCE:-}" ]; then
        [ -f "$LECTURE_QT_SOURCE/CMakeLists.txt" ] || fail "LECTURE_QT_SOURCE=$LECTURE_QT_SOURCE is no unpacked qt6-base source"
    fi
    if [ ! -d "$CACHE" ]; then
        make_own_folder "$CACHE"
    elif [ ! -w "$CACHE" ]; then
        fail "$CACHE is not writable; run as root or with sudo"
    fi
    src=${LECTURE_QT_SOURCE:-$CACHE/qt6-base-$QT_VERSION-src}
    [ -d "$src" ] || fetch_qt_source "$src"
    build=$CACHE/qt6-mingw-$QT_VERSION-build
    # A Qt this script began (its folder has the mark) is emptied; the
    # build tree of an interrupted build is kept, so that the build resumes
    # where it stopped.
    [ ! -f "$QT_BEGUN" ] || rm -rf "$QT_PREFIX"
    make_own_folder "$QT_PREFIX"
    touch "$QT_BEGUN"
    # The build tree keeps the toolchain file's path: a copy in the cache
    # lets a later run from another checkout resume the same tree.
    toolchain=$CACHE/mingw-w64-x86_64.cmake
    cmp -s cmake/mingw-w64-x86_64.cmake "$toolchain" || cp cmake/mingw-w64-x86_64.cmake "$toolchain"
    echo "Building Qt $QT_VERSION for Windows into $QT_PREFIX (log: $build.log)"
    start=$(date +%s)
    # tabletevent: the repacked source has no wintab, nor MinGW its header.
    # direct2d stays on: qwindows.dll needs its DirectWrite font database.
    # OpenGL is turned off through its input; the feature alone leaves the
    # dynamic OpenGL loader in, which does not link.
    {
        cmake -G Ninja -S "$src" -B "$build" \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" \
            -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
            -DQT_HOST_PATH=/usr \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
            -DINPUT_opengl=no -DFEATURE_opengl=OFF \
            -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
            -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
            -DFEATURE_xml=OFF -DFEATURE_testlib=ON -DFEATURE_tabletevent=OFF \
            -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF \
            -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF -DFEATURE_jpeg=OFF \
            -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
            -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
            -DFEATURE_system_pcre2=OFF -DFEATURE_androiddeployqt=OFF \
            -DFEATURE_freetype=ON -DFEATURE_fontconfig=OFF
        nice cmake --build "$build" -j"$JOBS"
        cmake --install "$build"
    } >"$build.log" 2>&1 || { tail -n 40 "$build.log" >&2; exit 1; }
    echo "Qt for Windows built in $(( ($(date +%s) - start) / 60 )) min"
    touch "$QT_STAMP"
    rm -f "$QT_BEGUN"
    rm -rf "$build"
}

# The pictures, the icons and the PNG files of the program's images come
# from the native build (their makers need Qt SVG, which the Windows Qt
# leaves out, or run while building).
build_native_parts() {
    cmake --preset default >/dev/null
    cmake --build --preset default -j"$JOBS" --target lecture_pictures lecture_icons lecture_asset_pngs
    icons=build/data/icons
    convert "$icons/16x16/org.velune.Lecture.png" "$icons/32x32/org.velune.Lecture.png" \
        "$icons/48x48/org.velune.Lecture.png" "$icons/256x256/org.velune.Lecture.png" "$OUT/lecture.ico"
}

build_game() {
    LECTURE_WIN_QT=$QT_PREFIX cmake --preset windows -DLECTURE_WINDOWS_ICON="$ROOT/$OUT/lecture.ico" >/dev/null
    start=$(date +%s)
    cmake --build --preset windows -j"$JOBS" --target lecture lecture_pictures
    echo "lecture.exe built in $(($(date +%s) - start)) s"
}

# The DLLs that $1 loads and that come from Qt or MinGW, and theirs in turn;
# Windows' own DLLs are found nowhere here and left out.
dll_closure() {
    todo="$*"
    seen=""
    while [ -n "$todo" ]; do
        next=""
        for file in $todo; do
            for dll in $($MINGW-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
                case " $seen " in *" $dll "*) continue ;; esac
                seen="$seen $dll"
                for dir in "$QT_PREFIX/bin" $RUNTIME_DIRS; do
                    if [ -f "$dir/$dll" ]; then
                        echo "$dir/$dll"
                        next="$next $dir/$dll"
                        break
                    fi
                done
            done
        done
        todo=$next
    done
}

# build-windows/Lecture: the program, the DLLs it loads and nothing more,
# the Windows platform plug-in, the pictures and the licences.
lay_out() {
    dir=$OUT/Lecture
    rm -rf "$dir"
    cmake --install "$OUT/build" --prefix "$dir" --strip >/dev/null
    mkdir -p "$dir/platforms" "$dir/licences"
    cp "$QT_PREFIX/plugins/platforms/qwindows.dll" "$dir/platforms/"
    for dll in $(dll_closure "$dir/lecture.exe" "$dir/platforms/qwindows.dll" | sort -u); do
        cp "$dll" "$dir/"
    done
    # libstdc++ alone is 24 MB with its symbols, 2 MB without.
    $MINGW-strip --strip-unneeded "$dir"/*.dll "$dir"/platforms/*.dll
    cp /usr/share/doc/libqt6core6/copyright "$dir/licences/Qt.txt"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$dir/licences/GCC-runtime.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$dir/licences/MinGW-w64.txt"
    cp /usr/share/doc/fonts-wine/copyright "$dir/licences/Wine-fonts.txt"
}

# installers FOLDER VERSION OUTDIR: the setup and the MSI package of the
# laid-out FOLDER at VERSION, into OUTDIR (folders named from the top of the
# tree: wixl reads no absolute names). Both install the files of one list.
installers() {
    lists=$3/installer-lists-$2
    rm -rf "$lists"
    scripts/lib/installer-lists.sh "$1" "$lists"
    size_kb=$(du -sk "$1" "$lists/INSTALLED-FILES.txt" | awk '{ kb += $1 } END { print kb }')
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$2" -DOUTFILE="$ROOT/$3/Lecture-$2-setup.exe" \
        -DFILES="$ROOT/$lists/installer-files.nsh" -DREMOVE="$ROOT/$lists/installer-remove.nsh" \
        -DSIZE_KB="$size_kb" -DICON="$ROOT/$OUT/lecture.ico" data/windows/lecture.nsi
    wixl -a x64 -D Version="$2" -D Icon="$OUT/lecture.ico" -D SizeKb="$size_kb" \
        -o "$3/Lecture-$2.msi" data/windows/lecture.wxs "$lists/installer-files.wxs"
}

# The installers and the zip, all from the laid-out folder.
package() {
    installers "$OUT/Lecture" "$VERSION" "$OUT"
    zip=$OUT/Lecture-$VERSION-windows.zip
    rm -f "$zip"
    (cd "$OUT" && zip -qr9 "$(basename "$zip")" Lecture)
    for f in "$OUT/Lecture-$VERSION-setup.exe" "$OUT/Lecture-$VERSION.msi" "$zip"; do
        echo "$f: $(du -k "$f" | cut -f1) kB"
    done
}

OUT=build-windows
VERSION=$(sed -n 's/^project(Lecture VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# scripts/build-windows.sh installers FOLDER VERSION OUTDIR: only the
# installers of a folder laid out earlier (check-windows.sh makes its
# upgrades so).
if [ "${1:-}" = installers ]; then
    [ $# -eq 4 ] || fail "usage: $0 installers FOLDER VERSION OUTDIR"
    case "$2" in /*) fail "FOLDER is named from the top of the tree: $2" ;; esac
    case "$4" in /*) fail "OUTDIR is named from the top of the tree: $4" ;; esac
    echo "$3" | grep -qx '[0-9][0-9]*\.[0-9][0-9]*\.[0-9][0-9]*' || fail "VERSION is three numbers: $3"
    mkdir -p "$4"
    installers "$2" "$3" "$4"
    exit 0
fi

install_packages
read_qt_version
build_qt
[ "${1:-}" = qt ] && exit 0
RUNTIME_DIRS=$(mingw_runtime_dirs)
[ -n "$RUNTIME_DIRS" ] || fail "$MINGW-g++-posix finds no libstdc++-6.dll"
mkdir -p "$OUT"
build_native_parts
build_game
lay_out
package
