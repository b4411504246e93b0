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

# A component's GUID, the same for the same path from one build to the
# next: hashed from its path, all in one md5sum run (a command a file would
# take a minute on a loaded machine).
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
printf '%s\n' "$files" | awk -v dir="$seeds" '{ printf "Lecture component %s", $0 > (dir "/" NR); close(dir "/" NR) }'
guids=$(cd "$seeds" && ls | sort -n | xargs md5sum | sort -k2n | cut -d' ' -f1)

# The setup's File commands, each folder's after its SetOutPath, the top
# folder first; its uninstaller's Delete commands, then RMDir for each
# folder, deepest first, each removed only once empty; the MSI package's
# folders and components. Identifiers are numbered in the list's order.
printf '%s\n' "$guids" >"$seeds/guids"
{
    printf '%s\n' "$dirs"
    echo '::files::'
    printf '%s\n' "$files" | paste - "$seeds/guids"
} | awk -F '\t' -v fa="$folder" -v oa="$out" -v frel="${1%/}" -v orel="${2%/}" -v mark="$MARK" \
    -v nsh="$out/installer-files.nsh" -v rm="$out/installer-remove.nsh" -v wxs="$out/installer-files.wxs" '
    function parent(p) { return match(p, /\/[^\/]*$/) ? substr(p, 1, RSTART - 1) : "." }
    function base(p) { sub(/.*\//, "", p); return p }
    function win(p) { gsub(/\//, "\\", p); return p }
    function src(p, f, o) { return p == mark ? o "/" p : f "/" p }
    function guid(h) {
        h = toupper(h)
        return substr(h, 1, 8) "-" substr(h, 9, 4) "-3" substr(h, 14, 3) "-8" substr(h, 18, 3) "-" substr(h, 21, 12)
    }
    $0 == "::files::" { files = 1; next }
    !files { if ($0 != "") { nd++; dir[nd] = $0; id[$0] = "D" nd }; next }
    { nf++; path[nf] = $1; hash[nf] = $2 }
    END {
        id["."] = "INSTALLDIR"
        for (d = 0; d <= nd; d++) {
            here = d ? dir[d] : "."
            printf "SetOutPath \"$INSTDIR%s\"\n", d ? "\\" win(here) : "" >nsh
            for (i = 1; i <= nf; i++)
                if (parent(path[i]) == here) printf "File \"%s\"\n", src(path[i], fa, oa) >nsh
        }
        for (i = 1; i <= nf; i++) printf "Delete \"$INSTDIR\\%s\"\n", win(path[i]) >rm
        for (d = nd; d >= 1; d--) printf "RMDir \"$INSTDIR\\%s\"\n", win(dir[d]) >rm
        print "<?xml version=\"1.0\" encoding=\"utf-8\"?>" >wxs
        print "<!-- Written by scripts/lib/installer-lists.sh from the one list of installed files. -->" >wxs
        print "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">" >wxs
        print "  <Fragment>" >wxs
        for (d = 1; d <= nd; d++)
            printf "    <DirectoryRef Id=\"%s\"><Directory Id=\"%s\" Name=\"%s\"/></DirectoryRef>\n",
                id[parent(dir[d])], id[dir[d]], base(dir[d]) >wxs
        for (i = 1; i <= nf; i++) {
            printf "    <DirectoryRef Id=\"%s\"><Component Id=\"C%d\" Guid=\"%s\" Win64=\"yes\">", id[parent(path[i])], i, guid(hash[i]) >wxs
            printf "<File Id=\"F%d\" Name=\"%s\" Source=\"%s\" KeyPath=\"yes\"/></Component></DirectoryRef>\n",
                i, base(path[i]), src(path[i], frel, orel) >wxs
        }
        print "    <ComponentGroup Id=\"LectureFiles\">" >wxs
        for (i = 1; i <= nf; i++) printf "      <ComponentRef Id=\"C%d\"/>\n", i >wxs
        print "    </ComponentGroup>" >wxs
        print "  </Fragment>" >wxs
        print "</Wix>" >wxs
    }'
