#!/usr/bin/env bash
# The preview benchmark, on a virtual X server of its own. Each round runs,
# in fresh processes: the program opening the preview cold (first opening,
# then twenty more, and the memory they add), the program with the pointer
# resting on Preview for 400 ms before the click (warmed first opening, and
# the longest stall of the event loop while warming), and a bare Qt
# WebEngine view program loading the same page from its start (the
# baseline), and a kept window with a Qt Quick widget shown again (the floor
# for the later openings). Prints the medians of the four figures, as ratios
# to the baseline or the floor where one applies.
# Usage: bench/preview.sh [BUILD] [ROUNDS]
set -euo pipefail
if [[ ${1:-} != --inner ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inner "$(cd "${1:-build}" && pwd)" "${2:-7}"
fi
build=$2 rounds=$3
folder=$(mktemp -d)
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
# Each run starts a second after the last, whose helper processes may still
# be ending.
bench() { sleep 1 && "$build/bench/preview_bench" "$folder" "$build/halvero_preview.so" "$@" 2>/dev/null; }
first=() later=() grown=() warmed=() stall=() bare=() created=() kept=()
for ((r = 0; r < rounds; r++)); do
  out=$(bench cold)
  first+=("$(sed -n 's/^first opening \([0-9.]*\) ms.*/\1/p' <<<"$out")")
  later+=("$(sed -n 's/^first opening.*later openings (median) \([0-9.]*\) ms$/\1/p' <<<"$out")")
  grown+=("$(sed -n 's/^memory.*(\([+-][0-9]*\) KiB)$/\1/p' <<<"$out")")
  created+=("$(sed -n 's/^after a Create.* \([0-9.]*\) ms,.*/\1/p' <<<"$out")")
  out=$(bench warm)
  warmed+=("$(sed -n 's/^warmed first opening \([0-9.]*\) ms.*/\1/p' <<<"$out")")
  stall+=("$(sed -n 's/.*longest stall while warming \([0-9.]*\) ms/\1/p' <<<"$out")")
  sleep 1
  bare+=("$("$build/bench/bare_webview" "$folder/pattern.htm" "$(date +%s%N)" 2>/dev/null)")
  kept+=("$("$build/bench/kept_window" 2>/dev/null)")
done
median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }
ratio() { awk "BEGIN{printf \"%.2f\", $1/$2}"; }
b=$(median "${bare[@]}")
echo "baseline: a bare web view program loads the page in $b ms (median of $rounds)"
k=$(median "${kept[@]}") l=$(median "${later[@]}") c=$(median "${created[@]}")
echo "floor: a kept window with a Qt Quick widget is on the screen $k ms after it is shown again"
echo "1. later openings: $l ms from the click until the page is on the screen, $(ratio "$l" "$k") x the floor;" \
  "after a Create that changed the page $c ms, $(ratio "$c" "$k") x (goal <= 10 ms)"
echo "2. memory: twenty more openings add $(median "${grown[@]}") KiB (goal <= 1024 KiB)"
w=$(median "${warmed[@]}")
echo "3. warmed first opening: $w ms, $(ratio "$w" "$b") x the baseline (goal <= 0.50 x);" \
  "longest stall while warming $(median "${stall[@]}") ms (goal <= 50 ms)"
f=$(median "${first[@]}")
echo "4. first opening, not warmed: $f ms, $(ratio "$f" "$b") x the baseline (goal <= 1.00 x)"
rm -rf "$folder"
