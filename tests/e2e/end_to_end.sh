#!/usr/bin/env bash
# Drives a copy of the halvero executable with xdotool and checks what a user
# would see: the window, the page file, the preview, About, the exit
# question, a second copy and the keyboard layout at exit. Screenshots of
# each step go to the output folder. Usage: end_to_end.sh HALVERO XKB_GROUP OUT
set -uo pipefail
halvero=$1 xkb_group=$2 out=$3
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d) && cp "$halvero" "$(dirname "$halvero")/halvero_preview.so" "$(dirname "$halvero")/libhalvero_toolkit.so" "$work/"
page="$work/pattern.htm"
export QTWEBENGINE_DISABLE_SANDBOX=1 QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
step=0 failures=0 pid=

shot() { step=$((step + 1)); import -window root "$out/$(printf %02d $step)-$1.png" 2>/dev/null; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); shot "failure"; }
check() { if eval "$1"; then echo "ok: $2"; else fail "$2"; fi; }
# Waits up to $2 seconds (default 10) for a visible window named $1.
window() {
  local id
  for _ in $(seq 1 $((${2:-10} * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
gone() { for _ in $(seq 1 50); do window "$1" 0 >/dev/null || return 0; sleep 0.1; done; return 1; }
source "$(dirname "$0")/surface_top.sh"
# Clicks at a point of the main window's surface, below its menu bar.
click() { xdotool mousemove $((MX + $1)) $((MY + SY + $2)) click 1; sleep 0.3; }
# Starts the program (with the arguments given) and waits for its window,
# titled Halvero or, with a settings file open, "FILE — Halvero".
start() {
  "$work/halvero" "$@" >"$out/halvero.log" 2>&1 &
  pid=$!
  main=$(window 'Halvero$') || { fail "the main window did not appear"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$main")"
  MX=$X MY=$Y MW=$WIDTH
  sleep 0.5
  SY=$(surface_top "$MX" "$MY")
}
# Waits up to 10 seconds for the program to end, and returns its status; one
# still running then is killed (and fails its check) rather than waited on.
end_wait() {
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then shot still-running; kill -9 "$pid"; fi
  wait "$pid"
}
crlf_lines() { tr -cd '\r' <"$page" | wc -c; }

# Start: caption, size and place.
start || exit 1
shot start
screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
check '[[ $MY -eq 50 ]]' "window 50 pixels below the top (y=$MY)"
check '(( ${MX} - (screen_width - MW) / 2 <= 1 && (screen_width - MW) / 2 - MX <= 1 ))' \
  "window centred (x=$MX, width $MW)"

# A second copy ends at once, with status 0 and no window.
before=$(xdotool search --onlyvisible --name '^Halvero$' | wc -l)
timeout 1 "$work/halvero" >/dev/null 2>&1
check '[[ $? -eq 0 ]]' "a second copy exits 0 within a second"
check '[[ $(xdotool search --onlyvisible --name "^Halvero$" | wc -l) -eq $before ]]' \
  "the second copy shows no window"

# Create: the default page beside the executable.
click 150 252
check '[[ -f $page ]]' "Create writes pattern.htm beside the executable"
check '[[ $(crlf_lines) -eq 138 ]]' "the default page has 138 lines"
shot created

# A colour through the Back Color button, then Create again.
click 596 146
if dialog=$(window 'Select Color'); then
  shot colour-dialog
  xdotool key alt+h ctrl+a && xdotool type '#FF0000' && xdotool key Return
  gone 'Select Color'
  click 150 252
  check 'grep -q "background-color:#FF0000;" "$page"' "the picked colour reaches the page"
  check '[[ ! -e $XDG_CONFIG_HOME/QtProject.conf ]] && grep -q customColors "$XDG_CONFIG_HOME/Halvero/Halvero.conf"' \
    "the colour dialog's custom colours are kept in Halvero's own file, not Qt's"
else
  fail "the colour dialog did not open"
fi
shot colour-changed

# Typing in the middle of "Menu Item Width" ("120") keeps the caret.
click 200 122
xdotool key Home && xdotool type 1 && xdotool key Right Right && xdotool type 5
sleep 0.3
click 150 252
check 'grep -q "width=.11250." "$page"' "typing in the middle of an entry reaches the page as typed"
shot typed-in-the-middle

# Preview: loads, hover look and status line, Escape closes. The pointer
# comes to the button just before the click, so the click finds the
# engine's warming begun and finishes it.
click 150 284
if preview=$(window 'HTML Preview' 20); then
  sleep 3
  eval "$(xdotool getwindowgeometry --shell "$preview")"
  xdotool mousemove $((X + 336)) $((Y + 95)); sleep 0.3
  xdotool mousemove $((X + 337)) $((Y + 93)); sleep 1
  shot preview-hover
  xdotool key Escape
  check 'gone "HTML Preview"' "Escape closes the preview"
else
  fail "the preview did not open"
fi

# The Menu Items editor, from the keyboard: an item typed in, OK with
# Return; the preview shows it without Create, and Create writes it.
click 200 146
xdotool key ctrl+i
# A key pressed while the closing preview still held the focus (seen once
# with every test running at once) is pressed again, as a user would.
window '^Menu Items$' 5 >/dev/null || { click 200 146; xdotool key ctrl+i; }
if window '^Menu Items$' 10 >/dev/null; then
  xdotool key Insert && xdotool type 'Home' && xdotool key Tab && xdotool type 'index.html'
  xdotool key Return && sleep 0.3
  shot menu-items
  xdotool key Return
  check 'gone "^Menu Items$"' "Return in the editor presses OK"
  click 150 284
  if window 'HTML Preview' 20 >/dev/null; then
    sleep 2
    shot preview-after-editing-items
    xdotool key Escape
    gone 'HTML Preview'
  else
    fail "the preview did not open after editing the items"
  fi
  click 150 252
  check '[[ $(grep -c "<a class" "$page") -eq 1 ]] && grep -q "href=.index.html.*>Home</a>" "$page"' \
    "the item typed into the editor reaches the page, and the count follows"
else
  fail "Ctrl+I did not open the Menu Items editor"
fi

# About: opens and closes.
click 232 468
if window '^About$' >/dev/null; then
  shot about
  xdotool key Escape
  check 'gone "^About$"' "Escape closes About"
else
  fail "About did not open"
fi

# Escape with the menu typed above unsaved asks one question, whether to
# save it: Cancel keeps the program running; Discard ends it, status 0.
xdotool key Escape
sleep 1
if [[ $(xdotool search --onlyvisible --name '^Halvero$' | wc -l) -ge 2 ]]; then
  shot unsaved-changes
  check '! window "^Question$" 0 >/dev/null' "no exit question besides"
  xdotool key alt+c
  sleep 0.5
  check 'kill -0 $pid 2>/dev/null' "Cancel keeps the program running"
else
  fail "Escape did not ask about the unsaved menu"
fi
xdotool key Escape
sleep 1
xdotool key alt+d
end_wait
check '[[ $? -eq 0 ]]' "Escape, then Discard for the unsaved menu, ends the program with status 0"

# Settings files: a menu kept as a file opens at start, writes the same page
# from the command line without a display, and a second start hands its
# file to the running window.
menu_file() { # FILE WIDTH FONTSIZE
  printf '{"format": "halvero-menu", "version": 1,\n "menu": {"itemWidth": "%s"},\n "normal": {"fontSize": "%s"}}\n' \
    "$2" "$3" >"$1"
}
menu_file "$work/menu.halvero" 160 14
menu_file "$work/other.halvero" 170 11
env -u DISPLAY -u WAYLAND_DISPLAY "$work/halvero" --write - --settings "$work/menu.halvero" \
  >"$work/cli.htm" 2>"$out/cli.log"
check '[[ $? -eq 0 ]] && grep -q "width=.160." "$work/cli.htm"' \
  "--write - with no display prints the page of the settings file"
if start "$work/menu.halvero"; then
  # (the dash between is matched by ".*": xdotool may read titles byte-wise)
  check 'window "^menu.halvero .* Halvero$" 1 >/dev/null' "the title names the open file"
  click 150 252
  check 'grep -q "width=.160." "$page" && grep -q "font-size:14pt;" "$page"' \
    "started with a settings file, Create writes its values"
  check 'diff <(grep -v timestamp "$page") <(grep -v timestamp "$work/cli.htm") >/dev/null' \
    "the command line writes the page Create writes"
  timeout 5 "$work/halvero" "$work/other.halvero" >/dev/null 2>&1
  check '[[ $? -eq 0 ]]' "a second start with a file exits 0"
  check 'window "^other.halvero .* Halvero$" 5 >/dev/null' "the running window opens the handed file"
  timeout 10 "$work/halvero" "$work/missing.halvero" >/dev/null 2>"$out/missing.log"
  check '[[ $? -eq 1 ]] && grep -q "missing.halvero was not opened" "$out/missing.log"' \
    "a second start with a missing file says so and exits 1"
  shot handed-over
  click 150 252
  check 'grep -q "width=.170." "$page" && grep -q "font-size:11pt;" "$page"' \
    "the running window shows the handed file's values"
  xdotool key Escape
  window '^Question$' >/dev/null && xdotool key alt+y
  end_wait
  check '[[ $? -eq 0 ]]' "with the file unchanged, Yes ends the program with status 0"
fi

# A second start right after the first has taken the lock, while its
# window still loads: the first listens from the moment it holds the lock,
# so the second's file is opened, not lost.
desk=${DISPLAY%.*}
lock=halvero-$(id -u)-${desk//[^A-Za-z0-9_.-]/_}.lock
"$work/halvero" "$work/menu.halvero" >"$out/halvero.log" 2>&1 &
pid=$!
for _ in $(seq 1 500); do
  find "/proc/$pid/fd" -lname "*/$lock" 2>/dev/null | grep -q . && break
  sleep 0.01
done
timeout 10 "$work/halvero" "$work/other.halvero" >"$out/second.log" 2>&1
check '[[ $? -eq 0 ]] && window "^other.halvero .* Halvero$" 10 >/dev/null' \
  "a second start while the first loads has its file opened"
if main=$(window 'Halvero$' 5); then
  xdotool windowactivate --sync "$main" key Escape
  window '^Question$' >/dev/null && xdotool key alt+y
fi
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill "$pid" 2>/dev/null
end_wait

# A site's build script feeds the menu's items, with no display.
printf 'Home\tindex.html\n# the rest\nAbout us\tabout.html\tWho we are\n' >"$work/pages.tsv"
env -u DISPLAY -u WAYLAND_DISPLAY "$work/halvero" --write - --items "$work/pages.tsv" \
  >"$work/items.htm" 2>"$out/items.log"
check '[[ $? -eq 0 && $(grep -c "<a class" "$work/items.htm") -eq 2 ]] &&
  grep -q ">About us</a>" "$work/items.htm" && grep -q "href=.index.html." "$work/items.htm"' \
  "--write - --items writes the items given, as many as given"
printf 'Evil\tjavascript:alert(1)\n' | "$work/halvero" --write - --items - >/dev/null 2>"$out/items.log"
check '[[ $? -eq 1 ]] && grep -q "standard input:1: link: the scheme javascript:" "$out/items.log"' \
  "--items refuses a javascript: link and names the line"

# A script's mistakes are refused, not turned into placeholders on a site.
printf '# nothing yet\n' >"$work/empty.tsv"
"$work/halvero" --write - --items "$work/empty.tsv" >"$work/out.htm" 2>"$out/items.log"
check '[[ $? -eq 1 && ! -s $work/out.htm ]] && grep -q "empty.tsv: holds no items" "$out/items.log"' \
  "--items with no items is refused"
"$work/halvero" --write - --items "" >/dev/null 2>"$out/items.log"
check '[[ $? -eq 1 ]] && grep -q -- "--items needs a file name" "$out/items.log"' \
  "--items with an empty name is refused"
"$work/halvero" --write - --style bogus --style modern >/dev/null 2>&1
check '[[ $? -eq 1 ]]' "a repeated --style is refused"
"$work/halvero" --write - --fragment --style classic >/dev/null 2>"$out/items.log"
check '[[ $? -eq 1 ]] && grep -q "classic page has none" "$out/items.log"' \
  "--fragment with --style classic is refused"
"$work/halvero" --write - --items "$work/pages.tsv" --current nowhere.html >/dev/null 2>"$out/items.log"
check '[[ $? -eq 0 ]] && grep -q "current nowhere.html: no item links to it" "$out/items.log"' \
  "--current that matches no item is named in a warning, status 0"

# Sub-menus: the classic page writes the top level and says so on standard
# error, with status 0; the modern page marks the current page in a
# sub-menu; a line that skips a level is refused by its number.
printf 'Home\tindex.html\nServices\tservices/\n> Hosting\tservices/hosting.html\n' >"$work/sub.tsv"
"$work/halvero" --write "$work/sub-classic.htm" --items "$work/sub.tsv" 2>"$out/items.log"
check '[[ $? -eq 0 && $(grep -c "<a class" "$work/sub-classic.htm") -eq 2 ]] &&
  grep -q "the classic page shows the top-level items only" "$out/items.log"' \
  "--write of a classic page with sub-menus writes the top level and says so"
"$work/halvero" --write - --style modern --items "$work/sub.tsv" --current services/hosting.html \
  >"$work/sub-modern.htm" 2>"$out/items.log"
check '[[ $? -eq 0 && ! -s $out/items.log ]] &&
  grep -q "href=.services/hosting.html.* aria-current=.page.>Hosting<" "$work/sub-modern.htm" &&
  grep -q "halvero-menu__toggle. type=.button. aria-expanded=.false. hidden" "$work/sub-modern.htm"' \
  "--style modern writes sub-menus behind buttons and marks a current page inside one"
printf 'Home\tindex.html\n>> Deep\tdeep.html\n' | "$work/halvero" --write - --items - >/dev/null 2>"$out/items.log"
check '[[ $? -eq 1 ]] && grep -q "standard input:2: goes more than one level below" "$out/items.log"' \
  "--items refuses a line that skips a level and names it"

# The menu's code for an existing page, and the modern page, from a script.
env -u DISPLAY "$work/halvero" --write - --items "$work/pages.tsv" --fragment \
  --current about.html >"$work/fragment.htm" 2>&1
check '[[ $? -eq 0 ]] && head -1 "$work/fragment.htm" | grep -q "^<!-- Menu written by Halvero" &&
  grep -q "<nav class=\"halvero-menu\"" "$work/fragment.htm" && ! grep -q "<html" "$work/fragment.htm" &&
  [[ $(grep -c "aria-current=.page.>" "$work/fragment.htm") -eq 1 ]] &&
  grep -q "href=.about.html.* aria-current=.page.>About us<" "$work/fragment.htm"' \
  "--fragment writes the menu's style and nav alone, --current marks its page"
env -u DISPLAY "$work/halvero" --write - --style modern --set menu.direction=Horizontal \
  >"$work/modern.htm" 2>&1
check '[[ $? -eq 0 ]] && head -1 "$work/modern.htm" | grep -q "^<!DOCTYPE html>$" &&
  grep -q "flex-direction: row" "$work/modern.htm" &&
  grep -q "<button class=\"halvero-menu__button\" .*>Menu<" "$work/modern.htm"' \
  "--style modern writes an HTML5 page across the page when asked, with its menu button"
env -u DISPLAY "$work/halvero" --write - --style modern --set menu.direction=Horizontal \
  --set page.foldBelow=never --set page.menuButtonLabel=Navigation >"$work/modern.htm" 2>&1
check '[[ $? -eq 0 ]] && ! grep -q "<script" "$work/modern.htm" &&
  grep -q "aria-label=\"Navigation\"" "$work/modern.htm"' \
  "--set page.foldBelow=never writes a bar without a menu button or script"
"$work/halvero" --write - --style modern --set "page.barColor=red;}body{" >/dev/null \
  2>"$work/err.txt"
check '[[ $? -eq 1 ]] && grep -q "page.barColor: the value" "$work/err.txt"' \
  "--set refuses a page value that would end its declaration"
# A look comes after the settings file and before --set; its page is modern.
env -u DISPLAY "$work/halvero" --looks >"$work/looks.txt" 2>&1 &&
  env -u DISPLAY "$work/halvero" --write - --look brand-bar --set normal.fontColor=#FFFFF0 \
    --set menu.direction=Vertical >"$work/look.htm" 2>&1
check '[[ $(wc -l <"$work/looks.txt") -ge 5 ]] && grep -q "^Pills	" "$work/looks.txt" &&
  grep -q "^<!DOCTYPE html>$" "$work/look.htm" && grep -q "color: #FFFFF0;" "$work/look.htm" &&
  grep -q "background-color: #1F3A5F;" "$work/look.htm" && grep -q "flex-direction: column" "$work/look.htm"' \
  "--looks lists the looks; --look gives one, --set changes it after"
"$work/halvero" --write - --set page.glow=1 >/dev/null 2>"$work/err.txt"
check '[[ $? -eq 1 ]] && grep -q "page.foldBelow, page.menuButtonLabel" "$work/err.txt"' \
  "--set names the page's keys for an unknown one"
env -u DISPLAY "$work/halvero" --write - --fragment style >"$work/style.htm" 2>&1 &&
  env -u DISPLAY "$work/halvero" --write - --fragment nav >"$work/nav.htm" 2>&1
check 'grep -q "^<style>" "$work/style.htm" && ! grep -q "<nav" "$work/style.htm" &&
  grep -q "^<nav" "$work/nav.htm" && ! grep -q "<style" "$work/nav.htm"' \
  "--fragment style and --fragment nav write each part alone"
"$work/halvero" --write - --fragment head >/dev/null 2>"$work/err.txt"
check '[[ $? -eq 1 ]] && grep -q "not .head." "$work/err.txt"' \
  "--fragment with another part is refused"

# Hostile input from the command line is refused at once, and what is not
# a file is never replaced.
mkfifo "$work/fifo"
timeout 5 "$work/halvero" --write - --settings "$work/fifo" >/dev/null 2>&1
check '[[ $? -eq 1 ]]' "--settings naming a FIFO is refused at once"
timeout 5 env -u DISPLAY "$work/halvero" --write "$work/fifo" >/dev/null 2>&1
check '[[ $? -eq 2 && -p $work/fifo ]]' "--write onto a FIFO is refused and leaves it"
"$work/halvero" --write - --set "menu.target=x' onmouseover='alert(1)" >/dev/null 2>&1
check '[[ $? -eq 1 ]]' "--set refuses a quote that would end the link's attribute"
latin1=$work/p$'\xe9'.htm
"$work/halvero" --write "$latin1" >/dev/null 2>&1
check '[[ $? -eq 0 && -f $latin1 ]]' "--write writes a file name that is not UTF-8 as given"

# Exit while the pointer on Preview has the browser engine warming up:
# nothing half-loaded holds the program back or makes it fail.
if start; then
  xdotool mousemove $((MX + 150)) $((MY + SY + 284))
  sleep 0.15
  xdotool key Escape
  # A key sent while the engine starts may reach no window: ask again, once,
  # with the focus given; never wait without end.
  if ! window '^Question$' 10 >/dev/null; then
    xdotool windowfocus --sync "$main" key Escape
  fi
  window '^Question$' 10 >/dev/null && xdotool key alt+y
  end_wait
  check '[[ $? -eq 0 ]]' "Yes while the engine warms up ends the program with status 0"
fi

# Keyboard layout at exit: Persian moves on, English stays.
# The answer is typed with Tab and Space, which every layout has: a letter
# missing from the active layout would make xdotool switch layouts itself.
layouts() {
  for _ in 1 2 3; do
    setxkbmap -layout "$1" && setxkbmap -query | grep -q "^layout: *$1\$" && return 0
    sleep 0.2
  done
  return 1
}
# The X server must run with -noreset: otherwise it resets its keymap each
# time its last client leaves, and the group could not be read after exit.
exit_with_layouts() {
  start || return 1
  check "layouts $1" "layouts set to $1"
  xdotool key Escape
  window '^Question$' >/dev/null && xdotool key Tab space
  end_wait
}
if command -v setxkbmap >/dev/null; then
  exit_with_layouts ir,us
  check '[[ $("$xkb_group") -eq 1 ]]' "exit with Persian active switches to the next layout"
  exit_with_layouts us,ir
  check '[[ $("$xkb_group") -eq 0 ]]' "exit with English active leaves the layout alone"
  setxkbmap -layout us
fi

rm -rf "$work"
echo "$((step)) screenshots in $out"
if ((failures)); then echo "$failures check(s) failed"; exit 1; fi
echo "all end-to-end checks passed"
