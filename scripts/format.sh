#!/usr/bin/env bash
# Formats every C++ file with the clang-format that the test command checks
# against (pinned in tests/web; run scripts/test.sh --quick once to fetch it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
case $(uname -m) in
  x86_64) platform=linux-x64 ;;
  aarch64) platform=linux-arm64 ;;
  *) echo "format.sh: no pinned clang-format for $(uname -m)" >&2; exit 1 ;;
esac
format=tests/web/node_modules/clang-format-node/bin/cfn-$platform/clang-format
[[ -f $format ]] || (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
chmod +x "$format"
find core app windows main translations tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 "$format" -i
