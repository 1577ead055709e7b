#!/usr/bin/env bash
# A hand-written site taken over as a designer would: its navigation (in
# every page, relative to each folder, a different "active" class on each)
# imported with --import, the menu put in its place with --adopt and the
# settings kept with --save in one run; a second run from the kept settings
# (--site without a folder) changes nothing and --check is clean; then a
# new page without markers, an item link to no file, an excluded folder,
# links from the site's root under page.siteBase, and one stylesheet, each
# with its status and message; the pages then in Chromium (links,
# breadcrumbs, skip link, look in a sub-folder, axe-core, JSON-LD) and
# html-validate.
# Usage: adopt.sh HALVERO WEB (WEB: tests/web, with its node_modules)
set -uo pipefail
halvero=$1 web=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[[ -n ${KEEP:-} ]] && trap - EXIT
failures=0
check() { if eval "$1"; then echo "ok: $2"; else echo "FAIL: $2"; failures=$((failures + 1)); fi; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" "$@"; }

s=$work/site
mkdir -p "$s/services" "$s/blog/2026"
# PATH TITLE: a page with the site's own navigation, its links written from
# the page's folder, the page's own item marked by a class of its own.
page() {
  local up="" depth=${1//[^\/]/}
  for ((i = 0; i < ${#depth}; i++)); do up+="../"; done
  active() { [[ $1 == "$2" ]] && printf ' class="is-%s"' "$RANDOM"; }
  cat >"$s/$1" <<PAGE
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>$2</title>
</head>
<body>
<header>
  <nav class="site-nav">
    <ul>
      <li$(active "$1" index.html)><a href="${up}index.html">Home</a></li>
      <li$(active "$1" about.html)><a href="${up}about.html">About &amp; team</a></li>
      <li><a href="${up}services/">Services</a>
        <ul>
          <li$(active "$1" services/web.html)><a href="${up}services/web.html">Web design</a></li>
          <li$(active "$1" services/hosting.html)><a href="${up}services/hosting.html">Hosting</a></li>
        </ul>
      </li>
      <li><a href="${up}blog/">Blog</a>
        <ul><li$(active "$1" blog/2026/post.html)><a href="${up}blog/2026/post.html">A post</a></li></ul>
      </li>
    </ul>
  </nav>
</header>
<!-- halvero-breadcrumb -->
<!-- /halvero-breadcrumb -->
<main id="main"><h1>$2</h1><p>Text of $2.</p></main>
<footer><nav aria-label="Legal"><a href="${up}about.html">Imprint</a></nav></footer>
</body>
</html>
PAGE
}
page index.html Home
page about.html About
page services/index.html Services
page services/web.html "Web design"
page services/hosting.html Hosting
page blog/index.html Blog
page blog/2026/post.html "A post"
cp -r "$s" "$work/original"

run --import "$s/services/web.html" --site "$s" --adopt --set menu.target=_self \
  --set menu.direction=Horizontal --set page.skipTo=main --set page.siteUrl=https://example.com/ \
  --save "$work/menu.halvero" >"$work/first.log" 2>&1
status=$?
check '[[ $status -eq 0 ]] && grep -q "web.html: read 7 items:" "$work/first.log" &&
  grep -qP "^  > Web design\tservices/web.html$" "$work/first.log" &&
  [[ $(grep -c "^adopted: .*(the menu in place of its <nav> on line 10)$" "$work/first.log") -eq 7 ]]' \
  "--import reads the navigation, --adopt puts the menu in its place in every page, --save keeps the settings"
check 'grep -q "\"siteFolder\": \"site\"" "$work/menu.halvero" &&
  diff <(sed -n "/<main/,\$p" "$work/original/blog/2026/post.html") <(sed -n "/<main/,\$p" "$s/blog/2026/post.html") >/dev/null &&
  diff <(sed -n "1,/<header>/p" "$work/original/about.html") \
    <(sed -e "/<!-- halvero-menu-style -->/,/<!-- \/halvero-menu-style -->/d" -n -e "1,/<header>/p" "$s/about.html") >/dev/null' \
  "the kept settings name the site; every byte outside the navigation and the markers stays"
check 'grep -q "href=\"../../about.html\"" "$s/blog/2026/post.html" &&
  grep -q "href=\"post.html\" aria-current=\"page\">A post<" "$s/blog/2026/post.html" &&
  grep -q "<a href=\"../../index.html\">Home</a>" "$s/blog/2026/post.html" &&
  ! grep -q "site-nav" "$s/index.html" && grep -q "aria-label=\"Legal\"" "$s/index.html"' \
  "each adopted page has its current item, its trail and its links from its folder; the footer's nav stays"

sums() { find "$s" -type f -exec md5sum {} + | sort; }
sums >"$work/sums"
(cd "$work" && run --settings menu.halvero --site >"$work/second.log" 2>&1)
check '[[ $? -eq 0 ]] && sums | cmp -s - "$work/sums" && grep -q "0 updated, 7 unchanged" "$work/second.log"' \
  "a second run from the kept settings (--site without a folder) changes nothing"
run --settings "$work/menu.halvero" --check --site >"$work/check.log" 2>&1
check '[[ $? -eq 0 ]] && ! grep -q "^halvero:" "$work/check.log"' "--check is clean after the adoption"
run --check --site >"$work/none.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "no folder given, and the settings name none" "$work/none.log"' \
  "--site without a folder and without settings that name one is refused"

mkdir -p "$s/drafts"
printf '<!DOCTYPE html>\n<html lang="en"><head><title>New</title></head><body><p>New</p></body></html>\n' >"$s/new.html"
cp "$s/new.html" "$s/drafts/wip.html"
run --settings "$work/menu.halvero" --check --site "" >"$work/new.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "^halvero: new.html: no markers" "$work/new.log" &&
  grep -q "^halvero: drafts/wip.html: no markers" "$work/new.log"' "--check fails on new pages without markers"
rm "$s/new.html"
run --settings "$work/menu.halvero" --set page.siteExclude=drafts/ --check --site >"$work/excluded.log" 2>&1
check '[[ $? -eq 0 ]] && grep -q "1 excluded" "$work/excluded.log"' "an excluded folder is left out of the check"

sed 's/"link": "about.html"/"link": "contcat.html"/' "$work/menu.halvero" >"$work/broken.halvero"
run --settings "$work/broken.halvero" --set page.siteExclude=drafts/ --check --site "$s" >"$work/broken.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "^halvero: item 2 (About & team): contcat.html leads to no file of the site$" "$work/broken.log" &&
  grep -q "^differs: about.html$" "$work/broken.log" && grep -q "^  -.*href=\"about.html\"" "$work/broken.log" &&
  grep -q "^  +.*href=\"contcat.html\"" "$work/broken.log" && [[ $(grep -c "^  " "$work/broken.log") -le $((7 * 20)) ]]' \
  "--check fails on an item link to no file and shows each page's change as a short diff"

sed 's/"link": "\([a-z]\)/"link": "\/\1/' "$work/menu.halvero" >"$work/rooted.halvero"
run --settings "$work/rooted.halvero" --set page.siteExclude=drafts/ --check --site "$s" >"$work/unrooted.log" 2>&1
check 'grep -q "^halvero: item 1 (Home): /index.html is written from the root the site is served under; with page.siteBase=/" "$work/unrooted.log"' \
  "links from the root without page.siteBase are said to mark nothing, and why"
run --settings "$work/rooted.halvero" --set page.siteExclude=drafts/ --set page.siteBase=/ --site "$s" >"$work/rooted.log" 2>&1
check '[[ $? -eq 0 ]] && grep -q "href=\"/about.html\" aria-current=\"page\"" "$s/about.html" &&
  grep -q "href=\"/blog/2026/post.html\" aria-current=\"page\"" "$s/blog/2026/post.html"' \
  "links from the site's root under page.siteBase mark each page's current item"

run --settings "$work/menu.halvero" --set page.siteExclude=drafts/ --set page.stylesheet=assets/nav.css \
  --site "$s" >"$work/sheet.log" 2>&1
check '[[ $? -eq 0 && -s $s/assets/nav.css && -s $s/assets/nav.js ]] &&
  grep -q "<link rel=\"stylesheet\" href=\"../../assets/nav.css\">" "$s/blog/2026/post.html" &&
  grep -q "<script src=\"../../assets/nav.js\" defer></script>" "$s/blog/2026/post.html" &&
  ! grep -q "<style>" "$s/blog/2026/post.html" && [[ $(grep -c "<script>" "$s/index.html") -eq 0 ]]' \
  "with one stylesheet the pages link it and its script, and carry no style or script of their own"
run --settings "$work/menu.halvero" --set page.siteExclude=drafts/ --set page.stylesheet=assets/nav.css \
  --check --site "$s" >"$work/sheet-check.log" 2>&1
check '[[ $? -eq 0 ]]' "--check is clean with one stylesheet"
echo "tampered" >>"$s/assets/nav.css"
run --settings "$work/menu.halvero" --set page.siteExclude=drafts/ --set page.stylesheet=assets/nav.css \
  --check --site "$s" >"$work/sheet-check.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "^differs: assets/nav.css" "$work/sheet-check.log"' "--check checks the stylesheet too"
run --settings "$work/menu.halvero" --set page.siteExclude=drafts/ --set page.stylesheet=assets/nav.css \
  --site "$s" >/dev/null 2>&1

if [[ -d $web/node_modules ]]; then
  (cd "$web" && node_modules/.bin/html-validate --config htmlvalidate.json \
    "$s/index.html" "$s/blog/2026/post.html" "$s/services/web.html") >"$work/validate.log" 2>&1
  check '[[ $? -eq 0 ]]' "adopted pages with breadcrumbs pass html-validate"
  (cd "$web" && node adopted_checks.mjs "$s") >"$work/chromium.log" 2>&1
  check '[[ $? -eq 0 ]]' "in Chromium, menu, trail and skip link lead to the site's files and look alike in folders"
  cat "$work/chromium.log"
fi
((failures)) && echo "$failures check(s) failed"
exit $((failures > 0))
