#!/usr/bin/env bash
# Prints which source folder includes which ("from -> to (count)"), then checks the layers:
# includes point one way, base -> model -> modes' calculations -> output formats -> batch, and
# screen kit -> screens -> wizard above them; the Qt-free folders never include a screen folder;
# no two folders include each other. Exits 1, naming each fault, when the layers are broken.
# Checks the tree it stands in, or the folder given.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The layer of a folder: a folder may include its own layer and those below.
layer() {
    case "$1" in
        platform) echo 0 ;;
        base) echo 1 ;;
        model) echo 2 ;;
        modes/*/screens) echo 7 ;;
        modes/*) echo 3 ;;
        output) echo 4 ;;
        batch) echo 5 ;;
        screens/kit | screens/kit/*) echo 6 ;;
        output/screens | screens/*) echo 7 ;;
        wizard) echo 8 ;;
        *) echo unknown ;;
    esac
}

edges=$(grep -rEo '^#include "[^"]+/[^/"]+"' --include='*.cpp' --include='*.h' \
    $(ls -d platform base model modes output batch screens wizard 2>/dev/null) |
    sed -E 's|^([^:]+)/[^/]+:#include "(.+)/[^/]+"$|\1 \2|' |
    awk '$1 != $2' |
    sort | uniq -c | awk '{ print $2, $3, $1 }')

echo "$edges" | awk '{ print $1 " -> " $2 " (" $3 ")" }'

faults=0
while read -r from to _; do
    lf=$(layer "$from")
    lt=$(layer "$to")
    if [ "$lf" = unknown ] || [ "$lt" = unknown ]; then
        echo "fault: $from -> $to: a folder with no layer; give it one in tools/include-graph.sh" >&2
        faults=1
    elif [ "$lt" -gt "$lf" ]; then
        echo "fault: $from -> $to: includes a layer above its own" >&2
        faults=1
    elif [ "$to" = batch ] && [ "$from" != batch ]; then
        echo "fault: $from -> batch: only the batch includes the batch" >&2
        faults=1
    fi
    if echo "$edges" | grep -q "^$to $from "; then
        if [[ "$from" < "$to" ]]; then
            echo "fault: $from <-> $to: the two folders include each other" >&2
            faults=1
        fi
    fi
done <<<"$edges"
exit $faults
