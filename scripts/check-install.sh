#!/bin/sh
# Checks Lecture as an installed program, from an existing build (build/ or
# $BUILD): lays it out under a temporary DESTDIR and checks the layout,
# validates the menu entry and the AppStream metainfo, installs under another
# prefix, then builds the two Debian packages with scripts/build-deb.sh
# --nocheck (the tests are the tests stage's; lintian checks the source and
# both packages, any error or warning fails) and lists them. With $DEBS
# naming a folder where build-deb.sh left them, takes those instead. Leaves
# nothing behind.
#
# With --system (as root on Debian 12, with xvfb, xdotool and imagemagick):
# also installs both packages for real, starts Lecture from its menu entry's
# Exec command under Xvfb for two new users' homes in turn, plays a turn,
# quits with the quit button, checks each home's settings file and that the
# installed files are untouched, then removes and purges both packages. The
# second user starts from a class default placed in /etc/xdg/lecture/ for
# the run.
set -eu
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
ID=org.velune.Lecture
SYSTEM=0
[ "${1:-}" = "--system" ] && SYSTEM=1

. scripts/lib/xvfb.sh
work=$(mktemp -d)
class_dir=""
cleanup() {
    stop_xvfb
    [ -n "$class_dir" ] && rm -rf "$class_dir"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-install: FAILED: $*" >&2; exit 1; }
say() { echo "check-install: $*"; }

# --- Layout under a temporary DESTDIR --------------------------------------
DESTDIR="$work/dest" cmake --install "$BUILD" --prefix /usr >/dev/null
root="$work/dest/usr"
for f in games/lecture share/lecture/PICTURES-NOTICES.txt \
         share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml \
         share/icons/hicolor/scalable/apps/$ID.svg share/doc/lecture/LICENSE \
         share/doc/lecture/copyright share/doc/lecture/changelog.gz \
         share/man/man6/lecture.6.gz share/man/fr/man6/lecture.6.gz; do
    [ -f "$root/$f" ] || fail "missing $f"
done
[ -x "$root/games/lecture" ] || fail "games/lecture is not executable"
pictures=$(find "$root/share/lecture/images" -name '*.bmp' | wc -l)
[ "$pictures" -eq 608 ] || fail "$pictures pictures installed, expected 608"
for s in 16 22 24 32 48 64 128 256; do
    png="$root/share/icons/hicolor/${s}x${s}/apps/$ID.png"
    [ -f "$png" ] || fail "missing ${s}x${s} icon"
    file "$png" | grep -q "PNG image data, $s x $s," || fail "${s}x${s} icon has the wrong size"
done
stray=$(cd "$root" && find . -type f | grep -Ev '^\./(games/lecture|share/(lecture|applications|metainfo|icons/hicolor|doc/lecture)/|share/man/(fr/)?man6/lecture\.6\.gz)' || true)
[ -z "$stray" ] || fail "unexpected files installed: $stray"
for page in "$root/share/man/man6/lecture.6.gz" "$root/share/man/fr/man6/lecture.6.gz"; do
    warnings=$(zcat "$page" | LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l - 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page $page: $warnings"
done
say "layout: games/lecture, $pictures pictures, 8 PNG icons + SVG, menu entry, metainfo, manual pages"

# --- Menu entry and metainfo ----------------------------------------------
desktop-file-validate "$root/share/applications/$ID.desktop" 2>&1 | grep -v ': hint: ' || true
desktop-file-validate "$root/share/applications/$ID.desktop" >/dev/null 2>&1 \
    || { desktop-file-validate "$root/share/applications/$ID.desktop"; fail "desktop entry invalid"; }
grep -qx "Icon=$ID" "$root/share/applications/$ID.desktop" || fail "menu entry names another icon"
grep -qx "Exec=/usr/games/lecture" "$root/share/applications/$ID.desktop" || fail "menu entry starts another program"
appstreamcli validate --no-net "$root/share/metainfo/$ID.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net "$root/share/metainfo/$ID.metainfo.xml"; fail "metainfo invalid"; }
# The whole tree too: the metainfo's launchable must name the installed entry.
appstreamcli validate-tree --no-net "$work/dest" >/dev/null \
    || { appstreamcli validate-tree --no-net "$work/dest"; fail "installed tree invalid for AppStream"; }
say "menu entry and metainfo valid"

# --- Another prefix ------------------------------------------------------------
# The menu entry follows the prefix, and the program finds its pictures from
# its own folder there.
other="$work/opt/lecture"
cmake --install "$BUILD" --prefix "$other" >/dev/null
grep -qx "Exec=$other/games/lecture" "$other/share/applications/$ID.desktop" \
    || fail "menu entry under $other does not follow the prefix"
[ -f "$other/share/lecture/images/ZEBRE.bmp" ] || fail "no pictures under $other"
say "installed under another prefix: Exec=$other/games/lecture"

# --- Debian packages -------------------------------------------------------
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
if [ -n "${DEBS:-}" ]; then
    debs=$DEBS
else
    debs=$work/deb
    OUT=$debs scripts/build-deb.sh --nocheck >"$work/build-deb.log" 2>&1 ||
        { tail -n 80 "$work/build-deb.log" >&2; fail "build-deb.sh failed"; }
    # Its verdicts and lintian's informational tags.
    grep -E '^(build-deb:|[EWIXP]: )' "$work/build-deb.log"
fi
program=$(ls "$debs"/lecture_"${version}"_"$(dpkg --print-architecture)".deb) || fail "no program package in $debs"
data=$debs/lecture-data_${version}_all.deb
[ -f "$data" ] || fail "no lecture-data_${version}_all.deb in $debs"
# The program package: the program and the desktop files, no pictures; the
# data package: the pictures and their notices, nothing else.
dpkg-deb -c "$program" | awk '{print $6}' > "$work/contents"
cat "$work/contents"
grep -qx './usr/games/lecture' "$work/contents" || fail "no /usr/games/lecture in $program"
! grep -q '^\./usr/share/lecture/' "$work/contents" || fail "pictures in the program package"
dpkg-deb -c "$data" | awk '{print $6}' > "$work/data-contents"
bmps=$(grep -c '^\./usr/share/lecture/images/[A-Z0-9_]*\.bmp$' "$work/data-contents" || true)
[ "$bmps" -eq 608 ] || fail "lecture-data holds $bmps pictures"
grep -qx './usr/share/lecture/PICTURES-NOTICES.txt' "$work/data-contents" || fail "no picture notices in lecture-data"
others=$(grep -v '^\./usr/share/lecture/images/[A-Z0-9_]*\.bmp$' "$work/data-contents" |
    grep -Ev '^\./(usr/(share/(lecture/(images/|PICTURES-NOTICES\.txt)?|doc/(lecture-data/(copyright|changelog\.gz)?)?)?)?)?$' || true)
[ -z "$others" ] || fail "unexpected files in lecture-data: $others"
say "... and $(basename "$data"): $bmps pictures and their notices under ./usr/share/lecture/"
depends=$(dpkg-deb -f "$program" Depends)
for p in "lecture-data (= $version)" libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-wine; do
    echo "$depends" | grep -qF "$p" || fail "the program package does not depend on $p"
done
[ "$(dpkg-deb -f "$data" Architecture)" = all ] || fail "lecture-data is not Architecture: all"
say "$(basename "$program"): Section $(dpkg-deb -f "$program" Section); Depends: $depends"

[ "$SYSTEM" -eq 1 ] || exit 0

# --- Installed for real, started for two users -----------------------------
[ "$(id -u)" -eq 0 ] || fail "--system needs root"
cp "$program" "$data" "$work/"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$work/$(basename "$program")" "$work/$(basename "$data")" >/dev/null
desktop=/usr/share/applications/$ID.desktop
[ -f "$desktop" ] || fail "menu entry not installed"
# The entry's own command, not its full-screen action's.
exec_cmd=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$desktop")
command -v "$exec_cmd" >/dev/null || fail "Exec command $exec_cmd not on PATH"
dpkg -L lecture lecture-data | sort > "$work/files-before"
say "installed $(dpkg-query -W -f='${Package} ${Version} ' lecture lecture-data); menu Exec=$exec_cmd"

start_xvfb 1024x768x24
display=$DISPLAY

# Pixels of one colour in a PNG.
count_colour() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}
# The ink of each letter style: joined, print, capitals.
ink() {
    case $1 in 1) echo 'rgb(87,87,255)' ;; 2) echo 'rgb(255,87,87)' ;; *) echo 'rgb(171,3,171)' ;; esac
}

# play_as HOME SHOWN_STYLE STYLE_PRESSES: checks that the first turn shows
# its pictures and a name in the style expected from HOME's settings, plays
# a turn, presses the style button that many times, then the quit button.
# The window sits at (301, 130) without a window manager.
play_as() {
    home=$1
    mkdir -p "$home"
    (cd "$home" && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
        HOME="$home" DISPLAY="$display" "$exec_cmd" >"$home.log" 2>&1) &
    app=$!
    win=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name '^Lecture$' | head -n1)
    [ -n "$win" ] || fail "no Lecture window for $home"
    sleep 1
    DISPLAY=$display import -window "$win" "$work/shot.png"
    [ "$(count_colour "$work/shot.png" 'rgb(0,255,255)')" -lt 70000 ] || fail "no pictures on the board"
    [ "$(count_colour "$work/shot.png" "$(ink "$2")")" -gt 150 ] || fail "name not in style $2 for $home"
    click() { DISPLAY=$display xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.4; }
    click 48 102          # first picture
    click 311 235         # "Suite"
    i=0
    while [ "$i" -lt "$3" ]; do click 20 235; i=$((i + 1)); done
    click 116 273         # quit: bottom strip, second button
    t=0
    while kill -0 "$app" 2>/dev/null; do
        t=$((t + 1)); [ "$t" -le 50 ] || fail "Lecture did not quit for $home"; sleep 0.2
    done
}

# A class default for the second user: capitals, "Les premiers pas", names of
# 3 to 6 letters.
[ ! -e /etc/xdg/lecture ] || fail "/etc/xdg/lecture exists already; not touching it"
class_dir=/etc/xdg/lecture
mkdir -p "$class_dir"

# Runs: home, style shown, style-button presses, style saved. The first
# user starts from the built-in defaults (no class default yet), the second
# from the class default, and the first comes back to its own file, which
# wins over the class default.
for run in "1 1 1 2" "2 3 2 2" "1 2 0 2"; do
    set -- $run
    n=$1
    if [ "$n" -eq 2 ]; then
        printf '3203060110000000000000000000000000000000000' > "$class_dir/imolectu.dat"
    fi
    play_as "$work/home$n" "$2" "$3"
    settings="$work/home$n/.local/share/Lecture/imolectu.dat"
    [ -f "$settings" ] || fail "no settings file in home $n"
    [ "$(head -c1 "$settings")" = "$4" ] || fail "home $n saved another style"
    if [ "$n" -eq 2 ]; then
        [ "$(head -c6 "$settings")" = "220306" ] || fail "home 2 did not keep the class default's mode and sizes"
        [ "$(cat "$class_dir/imolectu.dat")" = "3203060110000000000000000000000000000000000" ] \
            || fail "class default changed"
    fi
    say "home $n, name shown in style $2: $(cd "$work/home$n" && find . -type f | tr '\n' ' ')(saved $(head -c6 "$settings"))"
    others=$(cd "$work/home$n" && find . -type f ! -path ./.local/share/Lecture/imolectu.dat ! -path './.cache/*')
    [ -z "$others" ] || fail "home $n got other files: $others"
done
rm -rf "$class_dir"
class_dir=""
[ ! -e /usr/share/lecture/imolectu.dat ] || fail "settings written under /usr"
dpkg -L lecture lecture-data | sort | cmp -s - "$work/files-before" || fail "package file lists changed"
dpkg -V lecture lecture-data || fail "installed files changed"
[ -z "$(find /usr/share/lecture -newer "$work/files-before")" ] || fail "installed folder changed"

# Removal alone must take every installed file. With no configuration files
# dpkg forgets the package at once; otherwise purge must.
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq lecture lecture-data >/dev/null
left=""
while read -r f; do
    [ -f "$f" ] && left="$left $f"
done < "$work/files-before"
[ -z "$left" ] || fail "left after remove:$left"
[ ! -e /usr/share/lecture ] || fail "/usr/share/lecture left after remove"
for p in lecture lecture-data; do
    if dpkg-query -W "$p" >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "$p" >/dev/null
    fi
    ! dpkg-query -W "$p" >/dev/null 2>&1 || fail "$p still known after purge"
done
say "played and quit in two homes, each with its own settings file, the second from the class default; both packages removed and purged, nothing left"
