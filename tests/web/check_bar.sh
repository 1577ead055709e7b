#!/usr/bin/env bash
# Writes horizontal modern menus of 3, 6 and 12 items with labels up to 30
# characters (pages and fragments, one with a look of its own) and runs
# bar_checks.mjs on them in Debian's Chromium (installed by scripts/test.sh).
# Usage: check_bar.sh HALVERO
set -uo pipefail
halvero=$1
here=$(cd "$(dirname "$0")" && pwd)
[[ -d $here/node_modules/playwright-core ]] ||
  { echo "FAIL: playwright-core is missing: scripts/test.sh installs it"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
labels=(Home 'About our studio' 'Services and pricing plans' Portfolio
  'Averyveryverylongwordlabel30ch' Blog Contact 'Careers at the company' FAQ Press Shop
  'Legal notices and the imprint')
for count in 3 6 12; do
  for ((i = 0; i < count; i++)); do printf '%s\tpage%d.html\n' "${labels[i]}" "$i"; done \
    >"$work/items$count.tsv"
  for kind in "--style modern:bar$count.htm" "--fragment:bar$count-part.htm"; do
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/${kind#*:}" ${kind%%:*} \
      --items "$work/items$count.tsv" --set menu.direction=Horizontal --set menu.target=_self \
      --current page2.html || { echo "FAIL: halvero --write ${kind#*:}"; exit 1; }
  done
done
env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/look.htm" --style modern \
  --items "$work/items6.tsv" --set menu.direction=Horizontal --set menu.target=_self \
  --set page.itemWidth=auto --set page.align=spread --set page.barColor=#1F3A5F \
  --set page.foldBelow=never --current page2.html || { echo "FAIL: halvero --set page.*"; exit 1; }
# Menus down the page, as wide as a phone, with sub-menus whose buttons
# hang beside their links.
printf '%s\t%s\n' Home index.html Services services/ '> Web design' services/web.html \
  '> Hosting' services/hosting.html '>> Domains' services/domains.html Contact contact.html \
  >"$work/sub.tsv"
for align in center end; do
  env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/down-$align.htm" --style modern \
    --items "$work/sub.tsv" --set menu.itemWidth=300 --set menu.target=_self \
    --set page.align=$align || { echo "FAIL: halvero --write down-$align.htm"; exit 1; }
done
node "$here/bar_checks.mjs" "$work"
