#!/usr/bin/env bash
# The menus on a real (virtual) screen, driven by real key and mouse events: starts its own
# Xvfb and window manager on a free display, runs the game from a build, walks the menus
# with xdotool, saves screenshots of the screen, checks the game's mode trace and exit
# status, and stops what it started.
#   bash scripts/visible-menus.sh [BUILD_FOLDER (build/dev)] [OUT_FOLDER (BUILD/visible-menus)]
# Needs Xvfb, xdotool, twm and xwd (apt-get install -y xvfb xdotool twm x11-apps).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/dev}" && pwd)
out=${2:-$build/visible-menus}
game=$build/src/app/quibnar2
for tool in Xvfb xdotool twm xwd; do
  command -v "$tool" >/dev/null || { echo "visible-menus: $tool is missing" >&2; exit 2; }
done
[ -x "$game" ] && [ -f "$build/Quibnar2.VexPak" ] || { echo "visible-menus: build the game first" >&2; exit 2; }

rm -rf "$out"
mkdir -p "$out/folder"
cp "$build/Quibnar2.VexPak" "$out/folder/"
printf 'FullScreen=False\r\nSoundDevice=0\r\nSoundVolume=5\r\n' >"$out/folder/Config.cfg"
# A script without commands: the input is real, and the game prints its mode changes.
echo "# real input from xdotool" >"$out/folder/trace.txt"

display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
export DISPLAY=:$display

xvfb_pid= wm_pid= game_pid=
stop() {
  for pid in $game_pid $wm_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap stop EXIT

# A 16-bit screen: the game then starts without asking about the display.
Xvfb "$DISPLAY" -screen 0 1024x768x16 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
twm >"$out/twm.log" 2>&1 &
wm_pid=$!
sleep 0.5

# The system's display libraries (dbus under SDL's video) keep a few allocations to the
# end; a sanitizer build would report them as the game's.
(cd "$out/folder" && SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
  exec "$game" --script trace.txt >../stdout.txt 2>../stderr.txt) &
game_pid=$!

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Waits until the trace reports the mode.
wait_mode() {
  for _ in $(seq 100); do
    [ "$(sed -n 's/^tick [0-9]* mode \([0-9]*\) .*/\1/p' "$out/stdout.txt" | tail -n 1)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "mode $1 never came: $(tail -n 3 "$out/stdout.txt" | tr '\n' '|')"
}
shot() {
  sleep 0.6  # let the glows settle
  xwd -root -silent >"$out/$1.xwd"
  python3 "$root/scripts/xwd2png.py" "$out/$1.xwd" "$out/$1.png"
  rm "$out/$1.xwd"
}
# Window pixels: the window's client area is the 640 x 480 frame.
click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.1
  xdotool click 1
}
press() {
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.15
  done
}

# The display's set-up may make the window anew (a renderer that needs another kind of
# window): the window to drive is the one still there once the main menu shows.
xdotool search --sync --onlyvisible --name '^QuibNar2$' >/dev/null
wait_mode 13
window=$(xdotool search --onlyvisible --name '^QuibNar2$' | tail -n 1)
xdotool mousemove --window "$window" 600 20
wait_mode 13
shot main
click 320 230
wait_mode 17
shot options
click 320 235
wait_mode 20
press Down Down Right Right Right
shot sound
press Escape
wait_mode 17
press Down Right
wait_mode 18
press Down Right
shot video-pending
press Escape
wait_mode 17
press Escape
wait_mode 13
click 320 256
wait_mode 25
sleep 0.5
shot instructions-1
press space
shot instructions-2
press Escape
wait_mode 13
press Down Down
press Return
wait_mode 26
sleep 3
shot credits
press Escape
wait_mode 13
click 320 375

status=0
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
wait "$game_pid" || status=$?
game_pid=
[ $status -eq 0 ] || fail "the game ended with status $status"
modes=$(sed -n 's/^tick [0-9]* mode \([0-9]*\) .*/\1/p' "$out/stdout.txt" | tr '\n' ' ')
[ "$modes" = "13 17 20 17 18 17 13 25 13 26 13 5 1 " ] || fail "modes: $modes"
grep -q $'^SoundVolume=8\r$' "$out/folder/Config.cfg" || fail "Config.cfg has no SoundVolume=8"

if [ $failures -ne 0 ]; then
  echo "visible-menus: $failures failure(s); screenshots in $out" >&2
  exit 1
fi
echo "visible-menus: all passed; screenshots in $out"
