#!/bin/sh
# The setup and the MSI package install the files of one list
# (scripts/lib/installer-lists.sh): over stand-in folders, checks that the
# setup's File commands, its uninstaller's Delete commands, the package's
# File elements and the list itself name the same files, the folder's and the
# list's own, and nothing else; that identifiers and GUIDs are unique and
# GUIDs the same from one run to the next; and which names are refused.
#   installerlists_test.sh <path of scripts/lib/installer-lists.sh>
set -eu
lists=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

status=0
cases=0
# Each case: a name; the folder's files, folders (ending in /) and links to
# lecture.exe (ending in @), %20 standing for a space; the exit code; for a
# refusal, a text its message must hold.
while IFS='|' read -r name entries code says; do
    cases=$((cases + 1))
    rm -rf Lecture out out2
    mkdir Lecture
    for e in $entries; do
        e=$(echo "$e" | sed 's/%20/ /g')
        case $e in
        */) mkdir -p "Lecture/$e" ;;
        *@) ln -s lecture.exe "Lecture/${e%@}" ;;
        *) mkdir -p "Lecture/$(dirname "$e")" && echo "$e" >"Lecture/$e" ;;
        esac
    done
    sh "$lists" Lecture out >err 2>&1 && rc=0 || rc=$?
    problem=""
    [ "$rc" = "$code" ] || problem="exit $rc, not $code"
    if [ "$rc" -ne 0 ]; then
        grep -qF -- "$says" err || problem="$problem; no \"$says\" in: $(cat err)"
    else
        # What each of the four names, as paths below the installation folder.
        want=$( (cd Lecture && find . -type f | sed 's|^\./||'; echo INSTALLED-FILES.txt) | LC_ALL=C sort)
        listed=$(tr '\\' / <out/INSTALLED-FILES.txt | LC_ALL=C sort)
        setup=$(awk -v here="$work/" '
            /^SetOutPath/ { d = $2; gsub(/"/, "", d); sub(/^\$INSTDIR\\?/, "", d); gsub(/\\/, "/", d) }
            /^File/ { f = $2; gsub(/"/, "", f); n = split(f, p, "/"); print (d == "" ? "" : d "/") p[n] }' \
            out/installer-files.nsh | LC_ALL=C sort)
        removed=$(sed -n 's|^Delete "\$INSTDIR\\\(.*\)"$|\1|p' out/installer-remove.nsh | tr '\\' / | LC_ALL=C sort)
        msi=$(sed -n 's|.*<File Id="[^"]*" Name="[^"]*" Source="\([^"]*\)".*|\1|p' out/installer-files.wxs |
            sed 's|^Lecture/||; s|^out/||' | LC_ALL=C sort)
        [ "$listed" = "$want" ] || problem="$problem; the list: $listed"
        [ "$setup" = "$want" ] || problem="$problem; the setup: $setup"
        [ "$removed" = "$want" ] || problem="$problem; the uninstaller: $removed"
        [ "$msi" = "$want" ] || problem="$problem; the package: $msi"
        # The setup copies each file from where the build has it.
        sed -n 's|^File "\(.*\)"$|\1|p' out/installer-files.nsh | while read -r f; do
            [ -f "$f" ] || echo "no source $f"
        done >missing
        [ ! -s missing ] || problem="$problem; $(cat missing)"
        # Each folder removed once emptied, deepest first.
        want_dirs=$(cd Lecture && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r)
        dirs=$(sed -n 's|^RMDir "\$INSTDIR\\\(.*\)"$|\1|p' out/installer-remove.nsh | tr '\\' /)
        [ "$dirs" = "$want_dirs" ] || problem="$problem; folders removed: $dirs"
        dups=$(grep -o '<[A-Za-z]* Id="[^"]*"\| Guid="[^"]*"' out/installer-files.wxs | grep -v 'Ref Id=' | sort | uniq -d)
        [ -z "$dups" ] || problem="$problem; used twice: $dups"
        sh "$lists" Lecture out2 >/dev/null 2>&1
        [ "$(grep -o 'Guid="[^"]*"' out/installer-files.wxs)" = "$(grep -o 'Guid="[^"]*"' out2/installer-files.wxs)" ] ||
            problem="$problem; GUIDs change from one run to the next"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL $name: ${problem#; }"
        status=1
    fi
done <<'EOF'
the Windows folder's shape|lecture.exe Qt6Core.dll libstdc++-6.dll libgcc_s_seh-1.dll images/ZEBRE.bmp images/ABEILLE.bmp platforms/qwindows.dll licences/Qt.txt LICENSE.txt|0|
folders within folders|lecture.exe a/b/c/deep.txt a/top.txt|0|
an empty folder is removed with the others|lecture.exe empty/|0|
underscores, pluses and dashes are carried|lecture.exe libgcc_s_seh-1.dll libstdc++-6.dll|0|
a name with a dollar is refused|lecture.exe $PLUGINSDIR.txt|1|cannot carry
a name with an ampersand is refused|lecture.exe a&b.txt|1|cannot carry
a name with a space is refused|lecture.exe my%20notes.txt|1|cannot carry
a folder already holding the list is refused|lecture.exe INSTALLED-FILES.txt|1|already holds
a link is refused, neither installer carries one|lecture.exe link.exe@|1|neither a file nor a folder
an empty folder is refused||1|is empty
EOF

[ "$status" -eq 0 ] && echo "installerlists_test: $cases cases passed"
exit "$status"
