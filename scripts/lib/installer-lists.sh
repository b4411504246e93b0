#!/bin/sh
# Lists once what the Windows installers put in place, and writes from that
# one list what each installer is built from:
#
#   scripts/lib/installer-lists.sh FOLDER OUT
#
# FOLDER is the laid-out build-windows/Lecture. Into OUT:
#   INSTALLED-FILES.txt    the list, one path a line relative to the
#                          installation folder (backslashes, as Windows
#                          writes them), itself included: both installers put
#                          it beside lecture.exe, where it marks an installed
#                          copy and tells an administrator what is ours
#   installer-files.nsh    the setup's File commands
#   installer-remove.nsh   its uninstaller's Delete and RMDir commands: what
#                          it installed and nothing else
#   installer-files.wxs    the MSI's folders and components, gathered in the
#                          component group LectureFiles; its sources are named
#                          as FOLDER and OUT were, as wixl reads no absolute
#                          name: wixl runs where this script did
# Names are kept to letters, digits and . _ + - so that they need quoting in
# neither language; any other name is refused.
set -eu
[ $# -eq 2 ] || { echo "usage: $0 FOLDER OUT" >&2; exit 2; }
mkdir -p "$2"
folder=$(cd "$1" && pwd)
out=$(cd "$2" && pwd)
MARK=INSTALLED-FILES.txt

fail() {
    echo "installer-lists: $*" >&2
    exit 1
}

entries=$(cd "$folder" && find . -mindepth 1 \( -type f -o -type d \) | sed 's|^\./||' | LC_ALL=C sort)
[ -n "$entries" ] || fail "$folder is empty"
bad=$(printf '%s\n' "$entries" | LC_ALL=C grep -v '^[A-Za-z0-9._+/-]*$' || true)
[ -z "$bad" ] || fail "names the installers cannot carry: $(printf '%s' "$bad" | tr '\n' ' ')"
other=$(cd "$folder" && find . -mindepth 1 ! -type f ! -type d | head -n1)
[ -z "$other" ] || fail "neither a file nor a folder: $other"
[ ! -e "$folder/$MARK" ] || fail "$folder already holds $MARK"

files=$( (cd "$folder" && find . -type f | sed 's|^\./||'; echo "$MARK") | LC_ALL=C sort)
dirs=$(cd "$folder" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort)
printf '%s\n' "$files" | tr / '\\' >"$out/$MARK"

# source PATH [FOLDER OUT]: where the build holds the file installed as PATH.
source_of() {
    if [ "$1" = "$MARK" ]; then echo "${3:-$out}/$MARK"; else echo "${2:-$folder}/$1"; fi
}

# The setup: each folder's files after its SetOutPath, the top folder first.
{
    for dir in "" $dirs; do
        printf 'SetOutPath "$INSTDIR%s"\n' "$(printf '%s' "${dir:+/$dir}" | tr / '\\')"
        printf '%s\n' "$files" | while read -r f; do
            if [ "$(dirname "$f")" = "${dir:-.}" ]; then printf 'File "%s"\n' "$(source_of "$f")"; fi
        done
    done
} >"$out/installer-files.nsh"

# The uninstaller: the files, then the folders deepest first, each removed
# only once empty.
{
    printf '%s\n' "$files" | tr / '\\' | sed 's|.*|Delete "$INSTDIR\\&"|'
    [ -z "$dirs" ] || printf '%s\n' "$dirs" | LC_ALL=C sort -r | tr / '\\' | sed 's|.*|RMDir "$INSTDIR\\&"|'
} >"$out/installer-remove.nsh"

# A component's GUID, the same for the same path from one build to the next.
guid_of() {
    printf 'Lecture component %s' "$1" | md5sum |
        sed 's/^\(........\)\(....\).\(...\).\(...\)\(............\).*/\1-\2-3\3-8\4-\5/' | tr a-f A-F
}
# Identifiers numbered in the list's order; a folder's is looked up by path.
dir_id() {
    [ "$1" = . ] && { echo INSTALLDIR; return; }
    printf '%s\n' "$dirs" | awk -v d="$1" '$0 == d { print "D" NR; exit }'
}

{
    echo '<?xml version="1.0" encoding="utf-8"?>'
    echo '<!-- Written by scripts/lib/installer-lists.sh from the one list of installed files. -->'
    echo '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">'
    echo '  <Fragment>'
    [ -z "$dirs" ] || printf '%s\n' "$dirs" | while read -r d; do
        printf '    <DirectoryRef Id="%s"><Directory Id="%s" Name="%s"/></DirectoryRef>\n' \
            "$(dir_id "$(dirname "$d")")" "$(dir_id "$d")" "$(basename "$d")"
    done
    n=0
    printf '%s\n' "$files" | while read -r f; do
        n=$((n + 1))
        printf '    <DirectoryRef Id="%s"><Component Id="C%d" Guid="%s" Win64="yes">' \
            "$(dir_id "$(dirname "$f")")" "$n" "$(guid_of "$f")"
        printf '<File Id="F%d" Name="%s" Source="%s" KeyPath="yes"/></Component></DirectoryRef>\n' \
            "$n" "$(basename "$f")" "$(source_of "$f" "$1" "$2")"
    done
    echo '    <ComponentGroup Id="LectureFiles">'
    printf '%s\n' "$files" | awk '{ printf "      <ComponentRef Id=\"C%d\"/>\n", NR }'
    echo '    </ComponentGroup>'
    echo '  </Fragment>'
    echo '</Wix>'
} >"$out/installer-files.wxs"
