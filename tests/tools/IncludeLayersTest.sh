#!/usr/bin/env bash
# The layer check passes the project's own tree and refuses, naming the fault, a core header that
# includes a screen, two folders that include each other and a folder it has no layer for.
set -euo pipefail
check="$(dirname "$0")/../../tools/include-graph.sh"
bash "$check" >/dev/null

expect_fault() {
    local tree="$1" fault="$2"
    if bash "$check" "$tree" >/dev/null 2>"$tree/err"; then
        echo "accepted: $fault" >&2
        exit 1
    fi
    grep -qF "$fault" "$tree/err" || { cat "$tree/err" >&2; exit 1; }
}

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/model" "$tree/screens/kit" "$tree/modes/beam" "$tree/modes/year" "$tree/extra"
echo '#include "screens/kit/ScreenParts.h"' >"$tree/model/Case.h"
expect_fault "$tree" "model -> screens/kit: includes a layer above its own"

rm "$tree/model/Case.h"
echo '#include "modes/year/Sun.h"' >"$tree/modes/beam/Beam.h"
echo '#include "modes/beam/Beam.h"' >"$tree/modes/year/Sun.h"
expect_fault "$tree" "modes/beam <-> modes/year: the two folders include each other"

rm "$tree/modes/year/Sun.h"
echo '#include "extra/Thing.h"' >"$tree/model/Case.h"
expect_fault "$tree" "model -> extra: a folder with no layer"
