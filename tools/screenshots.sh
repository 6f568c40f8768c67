#!/usr/bin/env bash
# Saves a picture of every screen of the wizard, at normal and at double scale, under a virtual
# X server: build/screenshots/ (or the folder given) and its subfolder "2x".
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$(realpath -m "${1:-build/screenshots}")"
cmake --preset default >/dev/null
cmake --build --preset default --target umbravel_screenshots
run() { xvfb-run -a -s "-screen 0 2560x1600x24" "$@"; }
run build/default/umbravel_screenshots "$folder"
QT_SCALE_FACTOR=2 run build/default/umbravel_screenshots "$folder/2x"
echo "Screenshots in $folder"
