#!/usr/bin/env bash
# The hint window on a real (virtual) screen: starts its own Xvfb and window manager on a
# free display, starts the first level, walks onto its info marker with a real key press,
# photographs the screen while the hint window zooms out of the marker's cell and once it
# stands complete, closes it with a key, leaves by the main menu, and stops what it started.
#   bash scripts/visible-hint.sh [BUILD_FOLDER (build/dev)] [OUT_FOLDER (BUILD/visible-hint)]
# Needs Xvfb, xdotool, twm and xwd (apt-get install -y xvfb xdotool twm x11-apps).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/dev}" && pwd)
out=${2:-$build/visible-hint}
game=$build/src/app/quibnar2
source "$root/scripts/lib/virtual-screen.sh"
check_tools visible-hint
[ -x "$game" ] && [ -f "$build/Quibnar2.VexPak" ] || { echo "visible-hint: build the game first" >&2; exit 2; }

rm -rf "$out"
mkdir -p "$out/folder"
cp "$build/Quibnar2.VexPak" "$out/folder/"
printf 'FullScreen=False\r\nSoundDevice=0\r\n' >"$out/folder/Config.cfg"

start_virtual_screen "$out"

# No script: a script would make this an automation run, which draws the hint over the game.
(cd "$out/folder" && SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
  exec "$game" --entry 1 >../stdout.txt 2>../stderr.txt) &
game_pid=$!

geometry() {
  xdotool getwindowgeometry "$1" 2>/dev/null | tr '\n' ' '
}

xdotool search --sync --onlyvisible --name '^QuibNar2$' >/dev/null
sleep 4  # the set-up (which may make the window anew) and the level's intro
window=$(xdotool search --onlyvisible --name '^QuibNar2$' | tail -n 1)
xdotool mousemove --window "$window" 600 460
shot level 0
xdotool key Right

# The hint window appears 1 x 1 on the marker's cell and grows for 25 steps of 16 ms.
hint=
for _ in $(seq 400); do
  hint=$(xdotool search --name '^QuibNar2 hint$' 2>/dev/null | head -n 1 || true)
  [ -n "$hint" ] && break
  sleep 0.01
done
if [ -z "$hint" ]; then
  fail "no hint window came"
else
  sleep 0.15
  xwd -root -silent >"$out/hint-zooming.xwd"
  zooming=$(geometry "$hint")
  sleep 1.5
  shot hint-complete 0
  complete=$(geometry "$hint")
  python3 "$root/scripts/xwd2png.py" "$out/hint-zooming.xwd" "$out/hint-zooming.png"
  rm "$out/hint-zooming.xwd"
  echo "zooming: $zooming" >"$out/geometry.txt"
  echo "complete: $complete" >>"$out/geometry.txt"
  echo "$complete" | grep -q 'Geometry: 366x285' || fail "the complete hint window is not 366 x 285: $complete"
  echo "$zooming" | grep -q 'Geometry: 366x285' && fail "the first picture was taken after the zoom: $zooming"
  xdotool key space
  sleep 0.5
  [ -z "$(xdotool search --onlyvisible --name '^QuibNar2 hint$' 2>/dev/null || true)" ] || fail "the hint window did not close on Space"
fi
shot after-hint 0
kill -0 "$game_pid" 2>/dev/null || fail "the game ended with the hint"
# The game goes on: the menu over it, then EXIT PROGRAM.
xdotool key Escape
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game ended on Escape"
shot menu 0
xdotool mousemove --window "$window" 320 375
sleep 0.1
xdotool click 1

status=0
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && { fail "the game did not close by EXIT PROGRAM"; kill "$game_pid"; }
wait "$game_pid" || status=$?
game_pid=
[ $status -eq 0 ] || fail "the game ended with status $status"

if [ $failures -ne 0 ]; then
  echo "visible-hint: $failures failure(s); screenshots in $out" >&2
  exit 1
fi
echo "visible-hint: all passed; screenshots in $out"
