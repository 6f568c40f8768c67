#!/usr/bin/env bash
# From a fresh clone to the running wizard: installs what is missing, builds, starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default --target umbravel
exec ./build/default/umbravel "$@"
