#!/usr/bin/env bash
# Runs the preview benchmark under a virtual X server: the program's first
# preview against a bare Qt WebEngine view loading the same page, each in a
# fresh process, alternately, and prints the medians and their ratio, then
# the program's memory figures. Usage: bench/preview.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
rounds=${2:-7}
folder=$(mktemp -d)
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
run() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@" 2>/dev/null
}
halvero=() bare=() memory=
for ((r = 0; r < rounds; r++)); do
  out=$(run "$build/bench/preview_bench" "$folder" "$build/modules/halvero_preview.so")
  halvero+=("$(sed -n 's/^first preview \([0-9.]*\) ms.*/\1/p' <<<"$out")")
  memory=$(grep '^memory' <<<"$out")
  later=$(sed -n 's/.*later previews (median) \([0-9.]*\) ms/\1/p' <<<"$out")
  bare+=("$(run "$build/bench/bare_webview" "$folder/pattern.htm")")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
h=$(median "${halvero[@]}") b=$(median "${bare[@]}")
echo "preview load: halvero $h ms, bare web view $b ms, ratio $(awk "BEGIN{printf \"%.2f\", $h/$b}")"
echo "later previews in the same process: $later ms"
echo "$memory"
rm -rf "$folder"
