#!/bin/sh
# Checks the game on a clean Debian 13 (trixie) made in a folder, as root:
#
#   sudo scripts/check-debian13.sh            installs the run and test groups
#                                             of install-deps.sh there and runs
#                                             scripts/test.sh inside
#   sudo scripts/check-debian13.sh --deb      instead builds the Debian packages
#                                             there the way Debian does (apt-get
#                                             build-dep ./, dpkg-buildpackage
#                                             -us -uc) and runs lintian on them
#   sudo scripts/check-debian13.sh --deb --nocheck   the same without the tests
#   --suite bookworm                          any of these on a clean Debian 12
#
# The base system is made once with debootstrap from the Debian mirror of the
# machine's own apt sources and kept in /var/cache/lecture/<suite>-base, the
# downloaded packages in /var/cache/lecture/<suite>-archives; each run works
# in a fresh copy of the base, which it removes afterwards. The copy of the
# checkout inside is a copy: the checkout is never written.
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)
suite=trixie
mode=test
options="parallel=$(nproc)"
profiles=""
while [ $# -gt 0 ]; do
    case $1 in
    --deb) mode=deb ;;
    --nocheck) options="$options nocheck"; profiles="-Pnocheck" ;;
    --suite) [ $# -ge 2 ] || { echo "usage: $0 [--deb [--nocheck]] [--suite SUITE]" >&2; exit 2; }
             suite=$2; shift ;;
    *) echo "usage: $0 [--deb [--nocheck]] [--suite SUITE]" >&2; exit 2 ;;
    esac
    shift
done
say() { echo "check-debian13: $*"; }
fail() { echo "check-debian13: FAILED: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, chroot, mounts)"
command -v debootstrap >/dev/null || scripts/install-deps.sh systems

cache=/var/cache/lecture
base=$cache/$suite-base
archives=$cache/$suite-archives
mkdir -p "$cache" "$archives"

# The machine's Debian mirror: the URI of the first binary entry for its own
# release, and that of its security entry, from one-line and deb822 sources.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
entries() {
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        # "deb [options] URI SUITE ..." -> "URI SUITE"
        sed -n 's/^[[:space:]]*deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\)[[:space:]]\+\([^[:space:]]\+\).*/\2 \3/p' "$f"
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk 'BEGIN { RS = ""; FS = "\n" }
             { types = ""; uris = ""; suites = ""
               for (i = 1; i <= NF; i++) {
                   if ($i ~ /^Types:/) types = $i
                   if ($i ~ /^URIs:/) { uris = $i; sub(/^URIs:[ \t]*/, "", uris) }
                   if ($i ~ /^Suites:/) { suites = $i; sub(/^Suites:[ \t]*/, "", suites) } }
               if (types !~ /[ \t]deb([ \t]|$)/) next
               n = split(uris, u, /[ \t]+/); m = split(suites, s, /[ \t]+/)
               for (a = 1; a <= n; a++) for (b = 1; b <= m; b++) print u[a], s[b] }' "$f"
    done
}
mirror=$(entries | awk -v s="$codename" '$2 == s { print $1; exit }')
security=$(entries | awk -v s="$codename-security" '$2 == s { print $1; exit }')
[ -n "$mirror" ] || fail "no entry for $codename in the machine's apt sources"
say "mirror $mirror${security:+, security $security} (from the entries for $codename)"

# --- The base system, made once ---------------------------------------------
if [ ! -f "$base/.lecture-base-complete" ]; then
    [ ! -e "$base" ] || [ -f "$base/.lecture-base-partial" ] \
        || fail "$base exists and was not made by this script; not touching it"
    rm -rf --one-file-system "$base"
    mkdir -p "$base"
    touch "$base/.lecture-base-partial"
    t=$(date +%s)
    debootstrap --variant=minbase --cache-dir="$archives" "$suite" "$base" "$mirror" \
        >"$cache/$suite-debootstrap.log" 2>&1 ||
        { tail -n 20 "$cache/$suite-debootstrap.log" >&2; fail "debootstrap failed"; }
    {
        echo "Types: deb"
        echo "URIs: $mirror"
        echo "Suites: $suite $suite-updates"
        echo "Components: main"
        echo "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"
        if [ -n "$security" ]; then
            echo
            echo "Types: deb"
            echo "URIs: $security"
            echo "Suites: $suite-security"
            echo "Components: main"
            echo "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"
        fi
    } >"$base/etc/apt/sources.list.d/debian.sources"
    rm -f "$base/etc/apt/sources.list"
    mv "$base/.lecture-base-partial" "$base/.lecture-base-complete"
    say "base system made in $(($(date +%s) - t)) s: $base"
fi

# --- A fresh copy for this run -----------------------------------------------
root=$(mktemp -d "$cache/$suite-run.XXXXXX")
mounted=""
cleanup() {
    for m in $mounted; do umount -l "$m" 2>/dev/null || true; done
    # Never follow a mount that is still there into the machine's own files.
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        echo "check-debian13: $root still has mounts; left in place" >&2
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT
cp -a "$base/." "$root/"
rm -f "$root/.lecture-base-complete"
mount -t proc proc "$root/proc"; mounted="$root/proc $mounted"
mount -t sysfs sys "$root/sys"; mounted="$root/sys $mounted"
mount --bind /dev "$root/dev"; mounted="$root/dev $mounted"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"; mounted="$root/dev/pts $mounted"
mount -t tmpfs tmpfs "$root/dev/shm"; mounted="$root/dev/shm $mounted"
mount --bind "$archives" "$root/var/cache/apt/archives"; mounted="$root/var/cache/apt/archives $mounted"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The checkout's files, edited or new, not the ignored ones (builds).
mkdir -p "$root/root/lecture"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
        tar -cf - --null -T - | tar -xf - -C "$root/root/lecture"
else
    tar -cf - --exclude='./build*' --exclude='./out' . | tar -xf - -C "$root/root/lecture"
fi
inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive sh -c "$1"; }
say "$(inside '. /etc/os-release; echo "$PRETTY_NAME"'), $(inside 'dpkg-query -W | wc -l') packages"
# Keep the downloaded packages for the next run.
inside 'rm -f /etc/apt/apt.conf.d/docker-clean; echo "Binary::apt::APT::Keep-Downloaded-Packages \"true\";" >/etc/apt/apt.conf.d/keep-cache'

t=$(date +%s)
if [ "$mode" = test ]; then
    inside 'cd /root/lecture && scripts/install-deps.sh run && scripts/install-deps.sh test' \
        >"$root/root/install.log" 2>&1 || { tail -n 40 "$root/root/install.log" >&2; fail "install-deps.sh run, test"; }
    grep '^Installing' "$root/root/install.log"
    # The layout check reads the file list from git, as in a checkout.
    inside 'cd /root/lecture && git init -q && git add -A' || fail "git add"
    say "run and test groups installed in $(($(date +%s) - t)) s; $(inside 'dpkg-query -W | wc -l') packages"
    inside 'cd /root/lecture && scripts/install-deps.sh test && echo "Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev), CMake $(cmake --version | head -n1 | cut -d" " -f3), $(g++ --version | head -n1)"'
    t=$(date +%s)
    status=0
    inside 'cd /root/lecture && scripts/test.sh' || status=$?
    say "scripts/test.sh: exit $status in $(($(date +%s) - t)) s"
    exit "$status"
fi

# The package build as on a clean Debian system.
inside 'apt-get update -qq && apt-get install -y -qq --no-install-recommends dpkg-dev lintian >/dev/null \
        && cd /root/lecture && apt-get build-dep -y -qq ./ >/dev/null' || fail "apt-get build-dep ./"
say "build dependencies installed in $(($(date +%s) - t)) s"
t=$(date +%s)
inside "cd /root/lecture && DEB_BUILD_OPTIONS='$options' dpkg-buildpackage -us -uc $profiles >/root/build.log 2>&1" \
    || { tail -n 60 "$root/root/build.log" >&2; fail "dpkg-buildpackage"; }
say "dpkg-buildpackage -us -uc $profiles (DEB_BUILD_OPTIONS=$options) in $(($(date +%s) - t)) s"
inside 'cd /root && for d in *.deb; do echo "$d: $(du -k "$d" | cut -f1) kB, $(dpkg-deb -f "$d" Installed-Size) kB installed"; done'
inside 'cd /root && lintian --info --display-info --fail-on error,warning ./*.changes' \
    || fail "lintian found errors or warnings"
say "lintian: no error, no warning"
