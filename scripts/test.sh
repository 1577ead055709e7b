#!/usr/bin/env bash
# Sets up, builds with warnings as errors and runs every test under a virtual
# X server (the window tests and the browser engine need one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" -DHALVERO_WERROR=ON
# The browser engine refuses to start as root with its sandbox on.
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir "$root/build" --output-on-failure -j 2 --timeout 300
