#!/usr/bin/env bash
# Writes a two-level menu in every look --looks lists (the modern ones:
# Classic is the classic page) and one in Arabic, right to left, puts the pages through html-validate and
# runs look_checks.mjs on them in Debian's Chromium and webkit_checks.mjs
# in WebKitGTK (installed by scripts/test.sh; WebKit needs the display the
# tests run on).
# Usage: check_looks.sh HALVERO
set -uo pipefail
halvero=$1
here=$(cd "$(dirname "$0")" && pwd)
[[ -d $here/node_modules/playwright-core ]] ||
  { echo "FAIL: playwright-core is missing: scripts/test.sh installs it"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\t%s\n' Home index.html Services services/ '> Web design' services/web.html \
  '> Hosting and care' services/hosting.html About about.html Contact contact.html \
  >"$work/items.tsv"
looks=()
while IFS=$'\t' read -r name _; do looks+=("$name"); done \
  < <(env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --looks)
((${#looks[@]} >= 5)) || { echo "FAIL: halvero --looks lists ${#looks[@]} looks"; exit 1; }
for look in "${looks[@]}"; do
  [[ $look == Classic ]] && continue
  env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/${look// /-}.htm" --look "$look" \
    --items "$work/items.tsv" --set menu.target=_self --current services/web.html ||
    { echo "FAIL: halvero --look $look"; exit 1; }
done
# One look right to left: the panel opens toward the page's start, the right.
env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/Brand-bar-rtl.htm" --look "Brand bar" \
  --items "$work/items.tsv" --set menu.target=_self --set page.language=ar \
  --current services/web.html || { echo "FAIL: halvero --set page.language=ar"; exit 1; }
status=0
if "$here/node_modules/.bin/html-validate" --config "$here/htmlvalidate.json" "$work"/*.htm; then
  echo "ok: every look's page passes html-validate"
else
  status=1
fi
node "$here/look_checks.mjs" "$work" || status=1
if command -v WebKitWebDriver >/dev/null; then
  node "$here/webkit_checks.mjs" "$work" looks || status=1
else
  echo "FAIL: WebKitWebDriver is missing: scripts/test.sh installs it (webkit2gtk-driver)"
  status=1
fi
exit $status
