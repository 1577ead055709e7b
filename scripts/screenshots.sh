#!/usr/bin/env bash
# Makes the README's screenshots again from the program as built: under a
# virtual X server with openbox, the main window with docs/examples/
# menu.halvero, the live preview docked beside it, the Page Style dialog,
# the preview window and About, each cropped to its window, into docs/.
# Usage: scripts/screenshots.sh [BUILD]   (BUILD: a build folder, build-test
# by default; needs xvfb, openbox, xdotool and imagemagick, which
# scripts/test.sh installs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-test}
[[ -x $build/halvero ]] || { echo "no program in $build: build it first" >&2; exit 1; }
if [[ -z ${SCREENSHOTS_DISPLAY:-} ]]; then
  SCREENSHOTS_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build"
fi
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
[[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
pid=
trap 'kill $pid $wm 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

window() { # TITLE: the visible window of that title, waiting up to 20 s
  for _ in $(seq 1 200); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 && return 0
    sleep 0.1
  done
  echo "no window $1" >&2
  return 1
}
shot() { # WINDOW FILE: the window with its frame
  local id=$1 geometry
  geometry=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w, h, x, y}')
  import -window root -crop "$geometry" +repage "$root/docs/$2"
  echo "docs/$2"
}

cp "$root/docs/examples/menu.halvero" "$work/menu.halvero"
"$build/halvero" "$work/menu.halvero" >"$work/halvero.log" 2>&1 &
pid=$!
main=$(window 'menu.halvero')
xdotool windowmove --sync "$main" 20 20
sleep 1.5
shot "$main" main-window.png

xdotool windowactivate --sync "$main" key F5
preview=$(window '^HTML Preview')
sleep 2
shot "$preview" preview.png
xdotool key Escape
sleep 1

xdotool windowactivate --sync "$main" key alt+h
sleep 0.5
xdotool key a
about=$(window '^About')
sleep 1
shot "$about" about.png
xdotool key Escape
sleep 1

main=$(window 'menu.halvero')
xdotool windowactivate --sync "$main" key ctrl+shift+p
sleep 6
main=$(window 'menu.halvero')
shot "$main" live-preview.png

xdotool windowactivate --sync "$main" key alt+p
sleep 0.5
xdotool key s
style=$(window '^Page Style')
sleep 2
shot "$style" page-style.png
xdotool key Escape
sleep 0.5
