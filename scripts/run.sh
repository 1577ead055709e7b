#!/usr/bin/env bash
# Installs what building and running Halvero needs, builds the program alone
# (the "default" preset, into build/) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/packages.sh
install_missing "${run_packages[@]}"
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
exec "$root/build/halvero"
