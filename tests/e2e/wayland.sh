#!/usr/bin/env bash
# The real program on Wayland: a headless sway, keys typed with wtype,
# windows read with swaymsg, pixels with grim. Create from the keyboard
# writes the page, Preview opens a second window and Escape closes it,
# Alt+E and Yes end the program with status 0. sway refuses to run as
# root, so as root the test runs itself again as nobody.
# Usage: wayland.sh HALVERO OUT
set -uo pipefail
halvero=$1 out=$2

if [[ $(id -u) -eq 0 ]]; then
  # nobody may not reach a checkout under /root: everything it writes goes
  # to a folder of its own, and the screenshots are copied back after.
  work=$(mktemp -d) && chmod 755 "$work"
  cp "$halvero" "$(dirname "$halvero")/halvero_preview.so" "$(dirname "$halvero")/libhalvero_toolkit.so" "$work/" && cp "$0" "$work/wayland.sh"
  mkdir "$work/out"
  chown -R nobody "$work"
  setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
    env PATH=/usr/bin:/bin HOME="$work" ASAN_OPTIONS="${ASAN_OPTIONS:-}" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" bash "$work/wayland.sh" "$work/halvero" "$work/out"
  status=$?
  rm -rf "$out" && mkdir -p "$out" && cp -r "$work/out/." "$out/"
  rm -rf "$work"
  exit $status
fi

rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
# The program and, beside it, the preview module it loads.
cp "$halvero" "$(dirname "$halvero")/halvero_preview.so" "$(dirname "$halvero")/libhalvero_toolkit.so" "$work/" && halvero=$work/halvero
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
failures=0 step=0
check() { if eval "$1"; then echo "ok: $2"; else echo "FAIL: $2"; failures=$((failures + 1)); fi; }
shot() { step=$((step + 1)); grim "$out/$(printf %02d $step)-$1.png" 2>/dev/null; }

# A headless compositor with software rendering and no input devices.
: >"$work/sway.config"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/sway.config" >"$out/sway.log" 2>&1 &
sway=$!
for _ in $(seq 1 100); do
  [[ -S $XDG_RUNTIME_DIR/wayland-1 ]] && SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null) &&
    break
  sleep 0.1
done
export WAYLAND_DISPLAY=wayland-1 SWAYSOCK
[[ -n ${SWAYSOCK:-} ]] || { echo "FAIL: sway did not start"; cat "$out/sway.log"; exit 1; }

# Whether a window titled exactly $1 is in sway's tree; waits up to 20 s.
shown() {
  for _ in $(seq 1 200); do
    swaymsg -t get_tree | grep -q "\"name\": \"$1\"" && return 0
    sleep 0.1
  done
  return 1
}
gone() {
  for _ in $(seq 1 100); do
    swaymsg -t get_tree | grep -q "\"name\": \"$1\"" || return 0
    sleep 0.1
  done
  return 1
}
# wtype brings a virtual keyboard of its own each time; the lead lets the
# program take it before the first key.
keys() { wtype -s 400 "$@"; sleep 0.3; }

QT_QPA_PLATFORM=wayland QTWEBENGINE_DISABLE_SANDBOX=1 "$halvero" >"$out/halvero.log" 2>&1 &
pid=$!
check 'shown Halvero' "the main window opens on Wayland"
sleep 1
shot start

# The focus starts on the first entry; Shift+Tab walks back from it to
# the commands (Exit, About, Preview, Create), Enter presses one.
keys -M shift -k Tab -k Tab -k Tab -k Tab -m shift -k Return
check '[[ -f $(dirname "$halvero")/pattern.htm ]]' "Create from the keyboard writes the page"

keys -k Tab -k Return # Create holds the focus; Preview is next
if shown "HTML Preview"; then
  echo "ok: Preview opens a second window"
  sleep 3
  shot preview
  keys -k Escape
  check 'gone "HTML Preview"' "Escape closes the preview"
else
  check false "Preview opens a second window"
fi
check '! grep -q "GL Type\|Init Parameters" "$out/halvero.log"' \
  "the browser engine says nothing about its set-up"

# With the live preview docked, the screen is the same again once About
# and a menu have closed over it.
same_screen() { # NAME WHAT
  grim "$out/$1.png" 2>/dev/null
  local differ
  differ=$(compare -metric AE "$out/live.png" "$out/$1.png" null: 2>&1 | cut -d' ' -f1)
  check '[[ $differ =~ ^[0-9]+$ ]] && (( differ < 20000 ))' "$2 ($differ pixels differ)"
}
keys -M ctrl -M shift -k p -m shift -m ctrl
sleep 6
# The main window, made anew for the browser view, is still the one
# window of the program and has the focus.
swaymsg -t get_tree >"$out/live-tree.json"
check '[[ $(grep -c "\"name\": \"Halvero\"" "$out/live-tree.json") -eq 1 ]] &&
  swaymsg -t get_tree | grep -B40 -A40 "\"name\": \"Halvero\"" | grep -q "\"focused\": true"' \
  "the main window stays one window with the focus as the preview docks"
grim "$out/live.png" 2>/dev/null
keys -M ctrl -k q -m ctrl
if shown Question; then
  keys -M alt -k n -m alt
  check 'gone Question' "No keeps the program"
  sleep 1
  same_screen live-after-question "with the live preview, the window paints itself after a question closes"
fi
keys -M alt -k f -m alt
sleep 0.7
keys -k Escape
sleep 1
same_screen live-after-menu "with the live preview, the window paints itself after a menu closes"

keys -M alt -k e -m alt
check 'shown Question' "Alt+E asks"
keys -M alt -k y -m alt
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"
check '[[ $? -eq 0 ]]' "Yes ends the program with status 0"

kill "$sway" 2>/dev/null
wait "$sway" 2>/dev/null
rm -rf "$work"
if ((failures)); then echo "$failures check(s) failed"; exit 1; fi
echo "all Wayland checks passed"
