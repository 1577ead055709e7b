#!/usr/bin/env bash
# The program's folders as docs/architecture.md draws them: every source
# folder is in its table, no include runs against the layers, and no
# folder holds more than a quarter of the program's lines.
set -euo pipefail
cd "$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# What each folder may include, besides the standard library and Qt.
declare -A may=(
  [core/text]="core/text"
  [core/items]="core/items core/text"
  [core/settings]="core/settings core/items core/text"
  [core/page]="core/page core/settings core/items core/text"
  [core/site]="core/site core/page core/settings core/items core/text"
  [app]="app core"
  [windows/document]="windows/document app core"
  [windows/items]="windows/items app core"
  [windows/dialogs]="windows/dialogs windows/document app core"
  [windows/preview]="windows/preview windows/document app core"
  [windows/main]="windows app core"
  [main]="main windows app core"
)
folders=$(find core app windows main -name '*.cpp' -printf '%h\n' | sort -u)
for folder in $folders; do
  layer=""
  for known in "${!may[@]}"; do
    [[ $folder == "$known" || $folder == "$known"/* ]] && [[ ${#known} -gt ${#layer} ]] && layer=$known
  done
  [[ -n $layer ]] || { fail "$folder has no layer here"; continue; }
  grep -q "\`$folder/\`" docs/architecture.md || fail "docs/architecture.md does not name $folder/"
  while IFS=: read -r file include; do
    ok=0
    for allowed in ${may[$layer]}; do [[ $include == "$allowed"/* ]] && ok=1; done
    ((ok)) || fail "$file includes $include, against the layers"
  done < <(grep -o '^#include "[a-z]*/[^"]*"' "$folder"/*.cpp "$folder"/*.h 2>/dev/null |
             sed 's/#include "\(.*\)"/\1/')
done
for named in $(grep -o '^| `[a-z/]*/`' docs/architecture.md | tr -d '|` '); do
  [[ -d $named ]] || fail "docs/architecture.md names $named, which is not a folder"
done

total=$(find core app windows main \( -name "*.cpp" -o -name "*.h" \) -exec cat {} + | wc -l)
for folder in $folders; do
  lines=$(cat "$folder"/*.cpp "$folder"/*.h 2>/dev/null | wc -l)
  ((lines * 4 <= total)) || fail "$folder holds $lines of the program's $total lines"
done
((failures == 0)) && echo "ok: $(echo "$folders" | wc -l) folders, $total lines"
exit $((failures > 0))
