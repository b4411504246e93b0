#!/bin/sh
# Fails when a file includes a header of a folder listed after its own in the
# root CMakeLists.txt: each folder builds only on those listed before it.
# Headers are included by name alone, so a name finds its folder.
#   scripts/check-layers.sh
set -eu
cd "$(dirname "$0")/.."

# The folders in the order the root CMakeLists.txt adds them.
order=$(sed -n 's/^[[:space:]]*add_subdirectory(\([^)]*\)).*/\1/p' CMakeLists.txt)

git ls-files -- '*.h' '*.cpp' | awk -v order="$order" '
    function folder(path) { sub(/\/.*/, "", path); return path }
    function base(path) { sub(/.*\//, "", path); return path }
    { list[++count] = $0 }
    END {
        n = split(order, names, "\n")
        for (i = 1; i <= n; i++) rank[names[i]] = i
        for (k = 1; k <= count; k++)
            if (list[k] ~ /\.h$/ && folder(list[k]) in rank) home[base(list[k])] = folder(list[k])
        bad = 0
        for (k = 1; k <= count; k++) {
            path = list[k]
            top = folder(path)
            if (!(top in rank)) continue
            while ((getline line < path) > 0) {
                if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
                name = line; sub(/^[^"]*"/, "", name); sub(/".*/, "", name)
                name = base(name)
                if (name in home && rank[home[name]] > rank[top]) {
                    printf "%s: includes %s of %s/, which CMakeLists.txt lists after %s/\n", path, name, home[name], top
                    bad = 1
                }
            }
            close(path)
        }
        exit bad
    }'
