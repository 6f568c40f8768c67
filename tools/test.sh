#!/usr/bin/env bash
# From a fresh clone to all tests green: installs what is missing, configures, builds, runs ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
