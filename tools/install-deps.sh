#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the tests, the wizard and the package
# checks need.
# Does nothing when everything is already there; uses sudo only when not root.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libboost-dev liberfa-dev
          nlohmann-json3-dev libcli11-dev libtbb-dev clang libclang-rt-14-dev xvfb xauth
          desktop-file-utils appstream libxml2-utils dpkg-dev fakeroot file)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
