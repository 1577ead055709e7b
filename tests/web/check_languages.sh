#!/usr/bin/env bash
# A site in three languages (English at the root, German in de/, Arabic in
# ar/; the contact page missing in German) updated with --site under each
# choice for a missing page: each page's menu in its language with its
# current item, the switcher's links and marks, a second run's --check
# clean; then html-validate, and language_checks.mjs in Debian's Chromium.
# Usage: check_languages.sh HALVERO
set -uo pipefail
halvero=$1
here=$(cd "$(dirname "$0")" && pwd)
[[ -d $here/node_modules/playwright-core ]] ||
  { echo "FAIL: playwright-core is missing: scripts/test.sh installs it"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
check() { # check WHAT COMMAND...: "ok: WHAT" when the command succeeds
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; status=1; fi
}
page() { # page FILE LANG DIR TITLE
  mkdir -p "$(dirname "$1")"
  cat >"$1" <<PAGE
<!DOCTYPE html>
<html lang="$2" dir="$3">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>$4</title>
<!-- halvero-menu-style --><!-- /halvero-menu-style -->
</head>
<body>
<header>
<!-- halvero-languages --><!-- /halvero-languages -->
<!-- halvero-menu --><!-- /halvero-menu -->
</header>
<main><h1>$4</h1><p>$4.</p></main>
</body>
</html>
PAGE
}
site=$work/site
page "$site/index.html" en ltr Home
page "$site/services/index.html" en ltr Services
page "$site/services/web.html" en ltr "Web design"
page "$site/contact.html" en ltr Contact
page "$site/de/index.html" de ltr Startseite
page "$site/de/leistungen/index.html" de ltr Leistungen
page "$site/de/leistungen/web.html" de ltr Webdesign
page "$site/ar/index.html" ar rtl "الرئيسية"
page "$site/ar/services/index.html" ar rtl "خدماتنا"
page "$site/ar/services/web.html" ar rtl "تصميم المواقع"
page "$site/ar/contact.html" ar rtl "اتصل بنا"
cat >"$work/menu.halvero" <<'MENU'
{
  "format": "halvero-menu",
  "version": 6,
  "menu": {"direction": "Horizontal", "target": "_self"},
  "page": {"style": "modern", "alternateLinks": "Yes"},
  "languages": [
    {"tag": "en", "name": "English", "folder": ""},
    {"tag": "de", "name": "Deutsch", "folder": "de/"},
    {"tag": "ar", "name": "العربية", "folder": "ar/"}
  ],
  "items": [
    {"label": "Home", "link": "index.html", "labels": {"de": "Startseite", "ar": "الرئيسية"}},
    {"label": "Services", "link": "services/", "labels": {"de": "Leistungen", "ar": "خدماتنا"},
     "links": {"de": "de/leistungen/"}, "items": [
      {"label": "Web design", "link": "services/web.html",
       "labels": {"de": "Webdesign", "ar": "تصميم المواقع"}, "links": {"de": "de/leistungen/web.html"}}]},
    {"label": "Contact", "link": "contact.html", "labels": {"de": "Kontakt", "ar": "اتصل بنا"}}
  ]
}
MENU
run() { env -u DISPLAY -u WAYLAND_DISPLAY "$halvero" --settings "$work/menu.halvero" "$@" 2>/dev/null; }
quietly() { "$@" >/dev/null; }
nav() { sed -n '/<nav class="halvero-menu"/,/<\/nav>/p' "$site/$1"; }
languages() { sed -n '/<nav class="halvero-languages"/,/<\/nav>/p' "$site/$1"; }

for missing in omit home default; do
  run --site "$site" --set page.missingTranslation=$missing >/dev/null ||
    { echo "FAIL: --site with page.missingTranslation=$missing"; status=1; }
  case $missing in
  omit) check "omit: the German menu leaves the missing contact page out" \
      bash -c "! grep -q Contact <<<'$(nav de/index.html)'" ;;
  home) check "home: the missing contact page leads to the German home page" \
      grep -q 'href="index.html">Kontakt<' <<<"$(nav de/index.html)" ;;
  default) check "default: the missing contact page leads to the English one, marked English" \
      grep -q 'href="../contact.html" hreflang="en" lang="en">Contact <span class="halvero-menu__language">(English)' \
      <<<"$(nav de/index.html)" ;;
  esac
done
check "each page's menu is in its language, its current item marked" \
  grep -q 'href="web.html" aria-current="page">Webdesign<' <<<"$(nav de/leistungen/web.html)"
check "the Arabic menu is named in Arabic" grep -q 'aria-label="القائمة"' <<<"$(nav ar/index.html)"
check "the switcher leads to the page's counterparts, its own marked" \
  bash -c "grep -q 'href=\"../../services/web.html\" lang=\"en\" hreflang=\"en\">English' <<<'$(languages de/leistungen/web.html)' &&
    grep -q 'href=\"web.html\" lang=\"de\" hreflang=\"de\" aria-current=\"page\">Deutsch' <<<'$(languages de/leistungen/web.html)' &&
    grep -q 'href=\"../../ar/services/web.html\" lang=\"ar\" hreflang=\"ar\" dir=\"rtl\">' <<<'$(languages de/leistungen/web.html)'"
check "a page missing in German: the switcher leads to the German home page" \
  grep -q 'href="de/index.html" lang="de"' <<<"$(languages contact.html)"
check "alternate links name only the counterparts there" \
  bash -c "grep -q 'hreflang=\"ar\" href=\"ar/contact.html\"' '$site/contact.html' && ! grep -q 'hreflang=\"de\" href' '$site/contact.html'"
check "a second run's check finds every page up to date" quietly run --site "$site" --check

if "$here/node_modules/.bin/html-validate" --config "$here/htmlvalidate.json" \
  "$site"/*.html "$site"/de/*.html "$site"/ar/*.html "$site"/ar/services/*.html; then
  echo "ok: the pages in every language pass html-validate"
else
  status=1
fi
node "$here/language_checks.mjs" "$site" || status=1
exit $status
