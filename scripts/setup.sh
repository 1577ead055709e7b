#!/usr/bin/env bash
# Installs the Debian 12 packages Halvero needs (when run as root; otherwise
# prints the install line and stops), then configures and builds into build/.
# Usage: scripts/setup.sh [extra cmake arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake g++ make qt6-base-dev qt6-declarative-dev qt6-webengine-dev libgl-dev libx11-dev libgtest-dev
          xvfb xauth xdotool x11-xkb-utils x11-utils imagemagick fonts-dejavu-core
          clang libclang-rt-14-dev clang-format git)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
  else
    echo "Halvero needs these packages. Install them, then run this again:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$root/build" -j "$(nproc)"
