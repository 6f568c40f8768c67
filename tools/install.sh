#!/usr/bin/env bash
# From a fresh clone to Umbravel in the application menu: installs what is missing, builds,
# makes the Debian package and installs it. `sudo apt-get remove umbravel` removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default
(cd build/default && rm -f umbravel_*.deb && cpack -G DEB)

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./build/default/umbravel_*.deb
