#!/usr/bin/env bash
# The level editor on a real (virtual) screen, driven by real key and mouse events: starts
# its own Xvfb and window manager, runs the game from a build, opens the editor with F11,
# makes a small level on the game picture and in the tool window, saves it through the
# editor's file dialog, and saves screenshots of the whole screen (the tool window beside
# the game) for every page, the dialog and the unsaved-changes question.
#   bash scripts/visible-editor.sh [BUILD_FOLDER (build/dev)] [OUT_FOLDER (BUILD/visible-editor)]
# Needs Xvfb, xdotool, twm and xwd (apt-get install -y xvfb xdotool twm x11-apps).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/dev}" && pwd)
out=${2:-$build/visible-editor}
game=$build/src/app/quibnar2
sim=$build/tools/qn2-sim/qn2-sim
source "$root/scripts/lib/virtual-screen.sh"
check_tools visible-editor
[ -x "$game" ] && [ -f "$build/Quibnar2.VexPak" ] || { echo "visible-editor: build the game first" >&2; exit 2; }

rm -rf "$out"
mkdir -p "$out/folder"
cp "$build/Quibnar2.VexPak" "$out/folder/"
printf 'Dialogs=False\r\nFullScreen=False\r\nSoundDevice=0\r\n' >"$out/folder/Config.cfg"
echo "# real input from xdotool" >"$out/folder/trace.txt"

start_virtual_screen "$out"

(cd "$out/folder" && SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
  exec "$game" --script trace.txt >../stdout.txt 2>../stderr.txt) &
game_pid=$!

# A click in a window's client pixels (the focus follows the pointer under twm).
click_in() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.15
  xdotool click "${4:-1}"
  sleep 0.25
}
# Game cell (x, y): its centre on the game picture.
cell() {
  click_in "$window" $((144 + 32 * $1)) $((16 + 32 * $2)) "${3:-1}"
}

# A window by its title, once it is visible (windows that come and go meanwhile can make a
# search fail, so it is tried again).
find_window() {
  local found=
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  echo "visible-editor: no window $1" >&2
  return 1
}

# The game's window is made again when its display is set up: the one left standing counts.
find_window '^QuibNar2$' >/dev/null
sleep 2
window=$(find_window '^QuibNar2$')
xdotool mousemove --window "$window" 600 20
sleep 0.3
xdotool key F11
editor=$(find_window '^Level editor')
sleep 0.5
click_in "$editor" 18 8       # File
click_in "$editor" 22 29      # New
click_in "$editor" 12 30      # Editing
click_in "$editor" 90 30      # Show Solid
# Tiles: a frame of walls around the room, in one rectangle and a cleared inside.
click_in "$editor" 18 48
xdotool mousemove --window "$window" 176 80 keydown shift mousedown 1
sleep 0.2
xdotool mousemove --window "$window" 560 400
sleep 0.2
xdotool mouseup 1 keyup shift
sleep 0.3
xdotool mousemove --window "$window" 208 112 keydown shift mousedown 3
sleep 0.2
xdotool mousemove --window "$window" 528 368
sleep 0.2
xdotool mouseup 3 keyup shift
sleep 0.3
shot tiles
# Overlay: a few vines.
click_in "$editor" 60 48
click_in "$editor" 60 120
cell 3 2
cell 4 2
shot overlay
# Objects: a player and an exit, the exit selected with its properties.
click_in "$editor" 120 48
click_in "$editor" 24 232
cell 3 4
click_in "$editor" 64 272
cell 11 10
cell 11 10
shot objects
# Vars: the title typed in.
click_in "$editor" 160 48
click_in "$editor" 90 84
xdotool type --delay 60 "My first room"
sleep 0.3
shot vars
# File > Save As...: the dialog, a name, Enter.
click_in "$editor" 18 8
click_in "$editor" 30 75
shot dialog
xdotool type --delay 60 "Mine.map"
xdotool key Return
sleep 0.5
shot saved
# One more change, then File > New: the question.
click_in "$editor" 18 48
cell 7 7
click_in "$editor" 18 8
click_in "$editor" 22 29
shot question
click_in "$editor" 75 252     # Discard
sleep 0.3
shot new

# The level is as saved (New was answered "Discard"): closing the game asks nothing.
kill "$game_pid" 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then
  fail "the game did not close"
  kill -9 "$game_pid" 2>/dev/null || true
fi
wait "$game_pid" 2>/dev/null || true
game_pid=

[ -f "$out/folder/Mine.map" ] || fail "Mine.map was not saved"
grep -q '^Title=My first room' "$out/folder/Mine.map" || fail "Mine.map has no title"
grep -q '^editor asks: Save the changes to Mine.map?' "$out/stdout.txt" || fail "no question"
if [ -x "$sim" ]; then
  result=$(cd "$out/folder" && "$sim" Mine.map --moves 'RRRRRRRRDDDDDD..' || true)
  echo "qn2-sim: $result"
fi

if [ $failures -ne 0 ]; then
  echo "visible-editor: $failures failure(s); screenshots in $out" >&2
  exit 1
fi
echo "visible-editor: all passed; screenshots in $out"
