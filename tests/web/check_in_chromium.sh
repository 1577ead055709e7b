#!/usr/bin/env bash
# Writes the pages chromium_checks.mjs looks at, with --write, and runs it
# in Debian's Chromium (installed by scripts/test.sh): the default menu and
# one with wide borders and a large font, in both styles; a horizontal menu
# in both styles whose labels hold quotes and "<"; the fragment.
# Usage: check_in_chromium.sh HALVERO
set -uo pipefail
halvero=$1
here=$(cd "$(dirname "$0")" && pwd)
[[ -d $here/node_modules/playwright-core ]] ||
  { echo "FAIL: playwright-core is missing: scripts/test.sh installs it"; exit 1; }
command -v "${CHROMIUM:-chromium}" >/dev/null ||
  { echo "FAIL: chromium is missing: scripts/test.sh installs it"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
write() { # NAME ARGUMENTS...
  local name=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --write "$work/$name" "$@" ||
    { echo "FAIL: halvero --write $name $*"; exit 1; }
}
wide=(--set menu.itemWidth=180 --set menu.itemHeight=40 --set normal.fontSize=14
      --set hover.fontSize=14)
for side in Left Top Right Bottom; do
  wide+=(--set "normal.border${side}Width=6" --set "hover.border${side}Width=6")
done
printf '%s\t%s\n' Home index.html "Say \"<hi>\" & it's" b.html Contact '#contact' >"$work/items.tsv"
for style in classic modern; do
  write "default-$style.htm" --style "$style"
  write "wide-$style.htm" --style "$style" "${wide[@]}"
  write "across-$style.htm" --style "$style" --items "$work/items.tsv" \
    --set menu.direction=Horizontal
done
write fragment.htm --fragment --items "$work/items.tsv" --current b.html
# Tahoma and Verdana, the menu's fonts, are not free to install: both
# styles get the same stand-in, as both get Tahoma where it is installed.
cat >"$work/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="same"><family>Tahoma</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias binding="same"><family>Verdana</family><prefer><family>DejaVu Sans</family></prefer></alias>
</fontconfig>
CONF
FONTCONFIG_FILE=$work/fonts.conf node "$here/chromium_checks.mjs" "$work"
