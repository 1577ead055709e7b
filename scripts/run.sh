#!/usr/bin/env bash
# Sets up, builds and starts Halvero. The page is written beside the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
exec "$root/build/halvero"
