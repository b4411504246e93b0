#!/bin/sh
# The Debian package's own files against the tree they package: checks each
# rule on the real tree, then on copies broken one way each, which the rule
# must refuse.
#   packaging_test.sh <source folder>
set -eu
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# version TREE: debian/changelog's newest version is the project's.
version() {
    deb=$(head -n1 "$1/debian/changelog" | sed -n 's/^lecture (\([^)]*\)).*/\1/p')
    cm=$(sed -n 's/^project(Lecture VERSION \([^ ]*\) .*/\1/p' "$1/CMakeLists.txt")
    [ -n "$deb" ] && [ "$deb" = "$cm" ]
}
# sources TREE: every kind of picture source the manifest uses has its
# Files paragraph in debian/copyright.
sources() {
    for kind in $(grep -v '^#' "$1/assets/pictures/manifest.tsv" | cut -f4 | sed -n 's/^\([a-z]*\):.*/\1/p' | sort -u); do
        grep -qx "Files: assets/pictures/$kind/\*" "$1/debian/copyright" || return 1
    done
}
# licences TREE: every licence a Files paragraph names has its own text.
licences() {
    awk 'BEGIN { RS = ""; FS = "\n" }
         $1 ~ /^Files:/ { for (i = 2; i <= NF; i++) if ($i ~ /^License: /) used[substr($i, 10)] = 1 }
         $1 ~ /^License: / && NF > 1 { text[substr($1, 10)] = 1 }
         END { for (l in used) if (!(l in text)) { print "no text for " l; bad = 1 }; exit bad }' \
        "$1/debian/copyright" >/dev/null
}

status=0
# rule | how the copy is broken (nothing: the real tree) | verdict expected
while IFS='|' read -r rule breakage expected; do
    rm -rf "$work/tree"
    mkdir -p "$work/tree/debian" "$work/tree/assets/pictures"
    cp "$src/CMakeLists.txt" "$work/tree/"
    cp "$src/debian/changelog" "$src/debian/copyright" "$work/tree/debian/"
    cp "$src/assets/pictures/manifest.tsv" "$work/tree/assets/pictures/"
    (cd "$work/tree" && sh -c "${breakage:-true}")
    "$rule" "$work/tree" && got=pass || got=fail
    if [ "$got" != "$expected" ]; then
        echo "FAIL: $rule on the tree ${breakage:-as it is}: $got, expected $expected"
        status=1
    fi
done <<'TABLE'
version||pass
version|sed -i 's/^project(Lecture VERSION [^ ]*/project(Lecture VERSION 9.9.9/' CMakeLists.txt|fail
version|sed -i '1s/(\([^)]*\))/(\1-1)/' debian/changelog|fail
sources||pass
sources|printf '999\tZZZ\tle zzz\ttwemoji:1f600\tplain\tx\n' >>assets/pictures/manifest.tsv|fail
licences||pass
licences|awk 'BEGIN { RS = ""; ORS = "\n\n" } $0 !~ /^License: Apache-2.0\n/' debian/copyright >c && mv c debian/copyright|fail
licences|sed -i '0,/^License: CC0-1.0$/s//License: CC0-1.0+/' debian/copyright|fail
TABLE
[ "$status" -eq 0 ] && echo "packaging_test: 8 cases passed"
exit "$status"
