#!/usr/bin/env bash
# Under a real window manager (openbox, no compositor), the preview and About
# windows are transient for the main window and stay above it when the user
# clicks the blocked main window; and the main window keeps its one native
# window and paints itself again, not what covered it, after the preview,
# About and a menu close and after a minimise and restore.
# Usage: window_manager.sh HALVERO OUT
set -uo pipefail
halvero=$1 out=$2
rm -rf "$out" && mkdir -p "$out"
command -v openbox >/dev/null || { echo "openbox is not installed: not run"; exit 0; }
work=$(mktemp -d) && cp "$halvero" "$(dirname "$halvero")/halvero_preview.so" "$(dirname "$halvero")/libhalvero_toolkit.so" "$work/"
export QTWEBENGINE_DISABLE_SANDBOX=1 QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
failures=0 wm="" pid=""
finish() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null
  [[ -n $wm ]] && kill "$wm" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
check() { if eval "$1"; then echo "ok: $2"; else echo "FAIL: $2"; failures=$((failures + 1)); fi; }
window() {
  local id
  for _ in $(seq 1 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# The client windows from bottom to top, as the window manager stacks them.
topmost() { xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tail -1; }
hex() { printf '0x%x' "$1"; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1
"$work/halvero" >"$out/halvero.log" 2>&1 &
pid=$!
main=$(window '^Halvero$') || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 1
# The client area's place on the screen (xdotool's own figure counts the
# frame's offset twice).
MX=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
MY=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
# Points are counted from the surface's corner, below the menu bar.
source "$(dirname "$0")/surface_top.sh"
MY=$((MY + $(surface_top "$MX" "$MY")))

# The main window's own pixels: its client area, below the menu bar.
GW=$(xwininfo -id "$main" | awk '/Width:/ {print $2}')
GH=$(xwininfo -id "$main" | awk '/Height:/ {print $2}')
surface() { import -window root -crop "${GW}x$((GH - 60))+$MX+$MY" +repage "$out/$1.png" 2>/dev/null; }
# paints_as NAME WHAT: the surface now differs from its picture at start in
# fewer than 1 % of its pixels (a caret may blink).
paints_as() {
  surface "$1"
  local differ
  differ=$(compare -metric AE "$out/start.png" "$out/$1.png" null: 2>&1 | cut -d' ' -f1)
  check '[[ $differ =~ ^[0-9]+$ ]] && (( differ * 100 < GW * (GH - 60) ))' \
    "the main window paints itself $2 ($differ pixels differ)"
}
# still_one_window WHEN: the main window is the same native window.
still_one_window() {
  check '[[ $(xdotool search --onlyvisible --name "^Halvero$" | tr "\n" " ") == "$main " ]]' \
    "the main window keeps its one native window $1"
}
surface start

# child NAME X Y: opens a child window with the button at (X, Y) of the main
# window, then clicks the main window's bare corner.
child() {
  xdotool mousemove $((MX + $2)) $((MY + $3)) click 1
  local id
  id=$(window "$1") || { echo "FAIL: $1 did not open"; failures=$((failures + 1)); return; }
  sleep 2
  check '[[ $(xprop -id "$id" WM_TRANSIENT_FOR) == *"$(hex "$main")"* ]]' \
    "$1 is transient for the main window"
  xdotool mousemove $((MX + 5)) $((MY + 5)) click 1
  sleep 0.5
  import -window root "$out/$1-after-click.png" 2>/dev/null
  check '[[ $(topmost) == "$(hex "$id")" ]]' "$1 stays on top after a click on the main window"
  xdotool windowactivate --sync "$id" key Escape 2>/dev/null || xdotool key Escape
  sleep 1
}
child 'HTML Preview' 150 284
still_one_window "after the preview opened"
# Opened again: the kept preview, hidden and shown again, is still above.
child 'HTML Preview' 150 284
xdotool mousemove $((MX + 5)) $((MY + 5))
sleep 0.5
paints_as after-preview "where the closed preview was"
child '^About$' 232 468
paints_as after-about "where the closed About was"
# A menu of the menu bar over the surface, closed again.
xdotool mousemove $((MX + 20)) $((MY - 10)) click 1
sleep 0.7
import -window root "$out/file-menu.png" 2>/dev/null
xdotool key Escape
sleep 0.7
xdotool mousemove $((MX + 5)) $((MY + 5))
paints_as after-menu "after a menu closes"
xdotool windowminimize --sync "$main"
sleep 0.7
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowmap "$main"
sleep 1
paints_as after-restore "after a minimise and restore"
still_one_window "throughout"

# With the live preview docked beside the settings, the window (settings
# and preview alike) still paints itself after About and a menu close.
# Holding the browser view, the main window is drawn through OpenGL: Qt
# makes it a native window anew for that, so it is looked up again: in
# the same place, as high, on top, with the focus, and alone (About,
# opened from it below, is transient for the new one).
# Its top edge and height; it grows wider, leftwards where the screen ends.
place() { xwininfo -id "$1" | awk '/Absolute upper-left Y/ {printf "%s ", $4} /Height:/ {print $2}'; }
before=$(place "$main")
xdotool windowactivate --sync "$main" key ctrl+shift+p 2>/dev/null
sleep 5
main=$(window '^Halvero$')
check '[[ $(place "$main") == "$before" ]] && (( $(xwininfo -id "$main" | awk "/Absolute upper-left X/ {print \$4}") >= 0 ))' \
  "the main window keeps its top edge and height, on the screen, as the preview docks"
check '[[ $(xdotool search --onlyvisible --name "^Halvero$" | wc -l) -eq 1 && $(topmost) == "$(hex "$main")" &&
  $(xdotool getactivewindow) == "$main" ]]' "the docked window is the only one, on top, with the focus"
MX=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
MY=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
MY=$((MY + $(surface_top "$MX" "$MY")))
GW=$(xwininfo -id "$main" | awk '/Width:/ {print $2}')
GH=$(xwininfo -id "$main" | awk '/Height:/ {print $2}')
check '(( GW > 900 ))' "Live Preview docks the preview beside the settings (width $GW)"
surface start
child '^About$' 232 468
paints_as live-after-about "with the live preview, where the closed About was"
xdotool mousemove $((MX + 20)) $((MY - 10)) click 1
sleep 0.7
xdotool key Escape
sleep 0.7
xdotool mousemove $((MX + 5)) $((MY + 5))
paints_as live-after-menu "with the live preview, after a menu closes"

if ((failures)); then echo "$failures check(s) failed"; exit 1; fi
echo "all window-manager checks passed"
