#!/usr/bin/env bash
# The modern page and the fragment, as --write makes them, through a real
# HTML checker (html-validate, installed by scripts/test.sh from
# package-lock.json): the default menu, and items whose labels, links and
# tooltips hold quotes of both kinds, "<", "&" and non-ASCII letters, down
# and across the page, and a menu of three levels; the fragment whole and
# its style and navigation apart; a bar with a look of its own.
# Usage: check_pages.sh HALVERO
set -uo pipefail
halvero=$1
here=$(cd "$(dirname "$0")" && pwd)
checker=$here/node_modules/.bin/html-validate
[[ -x $checker ]] || { echo "FAIL: $checker is missing: scripts/test.sh installs it"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\t%s\t%s\t%s\n' 'Home' 'index.html' '' '' \
  "Say \"<hi>\" & 'bye'" "b.html?x=\"1\"&y='2'" '</a><script>' '_self' \
  'Caf'$'\xc3\xa9' 'https://blog.example.org/caf'$'\xc3\xa9''/' '' '_blank' >"$work/items.tsv"
# Three levels of sub-menus, a heading without a link among them.
printf '%s\t%s\n' 'Home' 'index.html' 'Services' 'services/' '> Web design' 'services/web.html' \
  '>> Domains' 'services/domains.html' 'About' '' '> Team' 'about/team.html' >"$work/sub.tsv"
failures=0
for direction in Vertical Horizontal; do
  for what in "--style modern" "--fragment" "--fragment style" "--fragment nav"; do
    for items in "" "--items $work/items.tsv" "--items $work/sub.tsv"; do
      page=$work/page-$direction-${what#--}-${items:+${items##*/}}.htm
      page=${page// /-}
      # shellcheck disable=SC2086
      env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$page" $what $items \
        --set menu.direction=$direction || { echo "FAIL: halvero $what $items"; failures=$((failures + 1)); }
    done
  done
done
# A bar of its own look, its button labelled in another language.
env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/bar.htm" --style modern \
  --items "$work/sub.tsv" --set menu.direction=Horizontal --set page.barColor=#1F3A5F \
  --set page.align=spread --set page.itemWidth=auto --set "page.menuButtonLabel=Men"$'\xc3\xbc'" <&>" \
  --set page.currentBackColor=#FFFFFF || { echo "FAIL: halvero --set page.*"; failures=$((failures + 1)); }
if "$checker" --config "$here/htmlvalidate.json" "$work"/*.htm; then
  echo "ok: $(find "$work" -maxdepth 1 -name "*.htm" | wc -l) pages and fragments pass html-validate"
else
  failures=$((failures + 1))
fi
if ((failures)); then echo "$failures check(s) failed"; exit 1; fi
