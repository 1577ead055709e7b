#!/usr/bin/env bash
# `halvero --site` on a generated site in folders, as a site's build runs
# it: the first run, a second that changes nothing, --check before and
# after a change, a page that is no UTF-8, broken markers, a read-only page
# and links leading out of the site, each with its exit status; then the
# updated pages through html-validate and, in Chromium, every menu link of
# a page in a folder leads to a page of the site and the menu looks alike
# at the root and in folders. As root, halvero runs as nobody, for whom a
# read-only page is read-only.
# Usage: site.sh HALVERO WEB (WEB: tests/web, with its node_modules)
set -uo pipefail
halvero=$1 web=$2
work=$(mktemp -d) && chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
[[ -n ${KEEP:-} ]] && trap - EXIT
cp "$halvero" "$(dirname "$halvero")/libhalvero_toolkit.so" "$work/"
failures=0
check() { if eval "$1"; then echo "ok: $2"; else echo "FAIL: $2"; failures=$((failures + 1)); fi; }
root=0 && [[ $(id -u) -eq 0 ]] && root=1
own() { ((root)) && chown -R nobody:nogroup "$@"; return 0; }
site() { # ARGUMENTS...: halvero --site, as nobody when root
  if ((root)); then
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -u DISPLAY -u WAYLAND_DISPLAY \
      "$work/halvero" --site "$@"
  else
    env -u DISPLAY -u WAYLAND_DISPLAY "$work/halvero" --site "$@"
  fi
}

s=$work/site
mkdir -p "$s/blog/2026" "$s/services" "$s/.drafts"
page() { # PATH [LINE-END]: a page with both pairs of markers
  printf '<!DOCTYPE html>%s<html lang="en">%s<head>%s<title>%s</title>%s<!-- halvero-menu-style -->%s<!-- /halvero-menu-style -->%s</head>%s<body>%s<!-- halvero-menu -->%s<!-- /halvero-menu -->%s<main><h1>%s</h1></main>%s</body>%s</html>' \
    "${2:-$'\n'}" "${2:-$'\n'}" "${2:-$'\n'}" "$1" "${2:-$'\n'}" "${2:-$'\n'}" "${2:-$'\n'}" \
    "${2:-$'\n'}" "${2:-$'\n'}" "${2:-$'\n'}" "${2:-$'\n'}" "$1" "${2:-$'\n'}" "${2:-$'\n'}" >"$s/$1"
}
for p in index.html about.html blog/index.html blog/2026/post.html services/web.html .drafts/x.html; do
  page "$p"
done
{ printf '\xef\xbb\xbf'; page services/crlf.html $'\r\n'; cat "$s/services/crlf.html"; } >"$work/crlf" &&
  mv "$work/crlf" "$s/services/crlf.html"
printf '<p>No menu here</p>\n' >"$s/plain.html"
printf '<p>Elsewhere</p>\n' >"$work/outside.html"
ln -s "$work/outside.html" "$s/outside.html"
ln -s about.html "$s/alias.html"
own "$s"
cat >"$work/items.tsv" <<'ITEMS'
Home	index.html
About	about.html
Blog	blog/
> A post	blog/2026/post.html
Services	services/web.html
> Line ends	services/crlf.html
Elsewhere	https://example.org/
ITEMS
items=(--items "$work/items.tsv" --set menu.target=_self)
cp "$s/services/crlf.html" "$work/crlf-before"
cp "$s/.drafts/x.html" "$work/draft-before"

site "$s" "${items[@]}" >"$work/first.log" 2>&1
check '[[ $? -eq 0 ]] && grep -q "^updated: blog/2026/post.html$" "$work/first.log" &&
  grep -q "^8 pages: 6 updated, 0 unchanged; 1 without markers: plain.html; 1 leading out of the site$" "$work/first.log"' \
  "the first run updates every page with markers and names the one without"
check 'grep -q "outside.html: leads out of the site; left alone" "$work/first.log" &&
  [[ $(cat "$work/outside.html") == "<p>Elsewhere</p>" && -L $s/alias.html ]] &&
  cmp -s "$s/.drafts/x.html" "$work/draft-before"' \
  "a link out of the site, a hidden folder and a link inside it are treated as such"
check 'grep -q "href=\"../../about.html\"" "$s/blog/2026/post.html" &&
  grep -q "href=\"post.html\" aria-current=\"page\">A post<" "$s/blog/2026/post.html" &&
  grep -q "href=\"./\" aria-current=\"page\">Blog<" "$s/blog/index.html" &&
  grep -q "href=\"https://example.org/\"" "$s/blog/index.html"' \
  "each page has its current item and links that work from its folder"
before=$(head -c 200 "$work/crlf-before") after=$(head -c 200 "$s/services/crlf.html")
check '[[ ${before%%<!-- halvero-menu-style -->*} == "${after%%<!-- halvero-menu-style -->*}" ]] &&
  [[ $(tail -c 60 "$work/crlf-before" | od -c) == "$(tail -c 60 "$s/services/crlf.html" | od -c)" ]] &&
  ! grep -q $'"'"'[^\r]$'"'"' <(head -n -1 "$s/services/crlf.html")' \
  "a page with a byte-order mark and CR LF keeps them, and its last line, and the menu takes its line ends"

sums() { find "$s" -type f -exec md5sum {} + | sort; }
sums >"$work/sums"
site "$s" "${items[@]}" >"$work/second.log" 2>&1
check '[[ $? -eq 0 ]] && ! grep -q "^updated:" "$work/second.log" &&
  grep -q "^8 pages: 0 updated, 6 unchanged;" "$work/second.log" && sums | cmp -s - "$work/sums"' \
  "a second run changes no byte and says so"
site "$s" "${items[@]}" --check >"$work/check.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "0 differ, 6 unchanged" "$work/check.log" &&
  grep -q "^halvero: plain.html: no markers" "$work/check.log"' \
  "--check fails on a page without markers, and names it"
site "$s" "${items[@]}" --set page.siteExclude=plain.html --check >"$work/check.log" 2>&1
check '[[ $? -eq 0 ]] && grep -q "0 differ, 6 unchanged; 1 excluded" "$work/check.log"' \
  "--check passes when the pages are current and the page without markers is excluded"
site "$s" "${items[@]}" --set normal.fontColor=#112233 --check >"$work/check.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "^differs: index.html$" "$work/check.log" &&
  grep -q "6 differ, 0 unchanged" "$work/check.log" && sums | cmp -s - "$work/sums"' \
  "--check names the pages a change would touch, exits 1 and writes nothing"

printf '<!-- halvero-menu -->\n<!-- /halvero-menu -->\ncaf\xe9\n' >"$s/latin1.html"
printf '<p>\n<!-- halvero-menu -->\n' >"$s/broken.html"
own "$s"
site "$s" "${items[@]}" --set normal.fontColor=#112233 >"$work/bad.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "latin1.html: not UTF-8 text" "$work/bad.log" &&
  grep -q "broken.html: line 2: <!-- halvero-menu --> without its closing marker" "$work/bad.log" &&
  grep -q "6 updated, 0 unchanged, 2 failed" "$work/bad.log" && grep -q "#112233" "$s/index.html"' \
  "a page that is no UTF-8 or has broken markers is named (status 1) and the others are updated"
rm "$s/latin1.html" "$s/broken.html"

chmod 444 "$s/about.html"
site "$s" "${items[@]}" --set normal.fontColor=#445566 >"$work/readonly.log" 2>&1
check '[[ $? -eq 2 ]] && grep -q "about.html: Permission denied" "$work/readonly.log" &&
  grep -q "#445566" "$s/index.html" && grep -q "#112233" "$s/about.html"' \
  "a page that cannot be written is named (status 2) and the others are updated"
chmod 644 "$s/about.html"

site "$s" --write x.html >/dev/null 2>"$work/usage.log"
check '[[ $? -eq 1 ]] && grep -q -- "--write does not go with --site" "$work/usage.log"' \
  "--site refuses --write"
site "$s/missing" >/dev/null 2>"$work/usage.log"
check '[[ $? -eq 1 ]] && grep -q "missing: not a folder" "$work/usage.log"' "--site names a missing folder"

mkdir "$s/private" && chmod 000 "$s/private"
((root)) || chmod 000 "$s/private" # nobody, as whom root runs it, cannot read it either
site "$s" "${items[@]}" --check >"$work/private.log" 2>&1
check '[[ $? -eq 1 ]] && grep -q "^halvero: private/: cannot be read (Permission denied)" "$work/private.log" &&
  grep -q "1 folder not read: private$" "$work/private.log"' \
  "a folder that cannot be read is named and fails the check"
rmdir "$s/private"

# Another run holds the site (flock takes the same lock on the folder):
# this one waits for it, says so, and then does its work.
flock "$s" sleep 1 &
sleep 0.2
site "$s" "${items[@]}" --set normal.fontColor=#778899 >"$work/wait.log" 2>&1
check '[[ $? -eq 0 ]] && grep -q "another run is updating this site; waiting for it to finish" "$work/wait.log" &&
  grep -q "#778899" "$s/index.html"' "a second run of one site waits for the first"
wait

# Many lines on both streams into one log, as CI keeps them: every line whole.
m=$work/many
for i in $(seq 1 400); do
  printf '<!-- halvero-menu -->\n<!-- /halvero-menu -->\n' >"$m-page-with-a-rather-long-name-$i.html"
done
mkdir -p "$m" && mv "$m"-page-*.html "$m/"
for i in $(seq 1 60); do printf "<p>\n<!-- halvero-menu -->\n" >"$m/page-with-a-rather-long-name-$((i * 6))-broken.html"; done
printf '<!-- halvero-menu -->\n<!-- /halvero-menu -->\n' >"$m/new"$'\n'"line"$'\e[31m'".html"
own "$m"
site "$m" "${items[@]}" >"$work/many.log" 2>&1
check '[[ $? -eq 1 ]] && ! grep -vqE "^(updated: |halvero: |[0-9]+ pages: )" "$work/many.log" &&
  [[ $(grep -c "^updated: " "$work/many.log") -eq 401 &&
    $(grep -c "^halvero: .*without its closing marker" "$work/many.log") -eq 60 ]] &&
  grep -qxF "updated: \"new\nline\x1b[31m.html\"" "$work/many.log"' \
  "the report's lines come out whole in one log, and a name with controls is quoted"

if ((root)); then
  # Root updating a user's site leaves every page the user's.
  chown nobody:www-data "$s/about.html" && chmod 640 "$s/about.html"
  "$work/halvero" --site "$s" "${items[@]}" --set normal.fontColor=#ABCDEF >/dev/null 2>&1
  check '[[ $? -eq 0 && $(stat -c %U:%G:%a "$s/about.html") == nobody:www-data:640 ]] &&
    grep -q "#ABCDEF" "$s/about.html"' "a page rewritten by root keeps its owner, group and mode"
  chmod 644 "$s/about.html"
fi

site "$s" "${items[@]}" >/dev/null 2>&1
if [[ -x $web/node_modules/.bin/html-validate ]]; then
  "$web/node_modules/.bin/html-validate" --config "$web/htmlvalidate.json" \
    "$s/index.html" "$s/blog/2026/post.html" "$s/services/web.html" >"$work/validate.log" 2>&1
  check '[[ $? -eq 0 ]]' "updated pages pass html-validate"
  (cd "$web" && node site_checks.mjs "$s") >"$work/chromium.log" 2>&1
  check '[[ $? -eq 0 ]]' "in Chromium, the menu of a page in a folder leads to the site's pages and looks as at the root"
  grep -v "^ok" "$work/validate.log" "$work/chromium.log" | head -20
else
  echo "FAIL: html-validate is missing: scripts/test.sh installs it"
  failures=$((failures + 1))
fi
((failures)) && echo "$failures check(s) failed"
exit $((failures > 0))
