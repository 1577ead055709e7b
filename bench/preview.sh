#!/usr/bin/env bash
# The preview benchmark, on a virtual X server of its own: the program's
# first preview (from pressing the button until the page has loaded, the
# browser engine's loading included) against a bare Qt WebEngine view
# program loading the same page (from its start until the page has loaded),
# each in a fresh process, alternately; prints the medians and their ratio,
# then the program's memory figures. Usage: bench/preview.sh [BUILD] [ROUNDS]
set -euo pipefail
if [[ ${1:-} != --inner ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inner "$(cd "${1:-build}" && pwd)" "${2:-7}"
fi
build=$2 rounds=$3
folder=$(mktemp -d)
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
halvero=() bare=()
for ((r = 0; r < rounds; r++)); do
  out=$("$build/bench/preview_bench" "$folder" "$build/halvero_preview.so" 2>/dev/null)
  halvero+=("$(sed -n 's/^first preview \([0-9.]*\) ms.*/\1/p' <<<"$out")")
  later=$(sed -n 's/.*later previews (median) \([0-9.]*\) ms/\1/p' <<<"$out")
  memory=$(grep '^memory' <<<"$out")
  bare+=("$("$build/bench/bare_webview" "$folder/pattern.htm" "$(date +%s%N)" 2>/dev/null)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
h=$(median "${halvero[@]}") b=$(median "${bare[@]}")
echo "first preview: halvero $h ms, bare web view program $b ms, ratio $(awk "BEGIN{printf \"%.2f\", $h/$b}")"
echo "later previews in the same process: $later ms"
echo "$memory"
rm -rf "$folder"
