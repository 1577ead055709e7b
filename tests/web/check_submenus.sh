#!/usr/bin/env bash
# Writes a menu of three levels with --fragment and --write, across and
# down the page, and runs submenu_checks.mjs on them in Debian's Chromium
# and webkit_checks.mjs in WebKitGTK (both installed by scripts/test.sh;
# WebKit needs the display the tests run on).
# Usage: check_submenus.sh HALVERO
set -uo pipefail
halvero=$1
here=$(cd "$(dirname "$0")" && pwd)
[[ -d $here/node_modules/playwright-core ]] ||
  { echo "FAIL: playwright-core is missing: scripts/test.sh installs it"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/items.tsv" <<'ITEMS'
Home	index.html
Services	services/
> Web design	services/web.html
> Hosting	services/hosting.html
>> Domains	services/domains.html
About
> Team	about/team.html
> History	about/history.html
Contact	contact.html
ITEMS
# "About" heads its sub-menu without a link of its own.
sed -i 's/^About$/About\t/' "$work/items.tsv"
for direction in across down; do
  set=(--set menu.target=_self)
  [[ $direction == across ]] && set+=(--set menu.direction=Horizontal)
  for kind in "--style modern:sub-$direction.htm" "--fragment:sub-$direction-part.htm"; do
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/${kind#*:}" ${kind%%:*} \
      --items "$work/items.tsv" "${set[@]}" --current services/web.html ||
      { echo "FAIL: halvero --write ${kind#*:}"; exit 1; }
  done
done
node "$here/submenu_checks.mjs" "$work"
status=$?
if command -v WebKitWebDriver >/dev/null; then
  node "$here/webkit_checks.mjs" "$work" || status=1
else
  echo "FAIL: WebKitWebDriver is missing: scripts/test.sh installs it (webkit2gtk-driver)"
  status=1
fi
exit $status
