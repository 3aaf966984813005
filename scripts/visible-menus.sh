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
source "$root/scripts/lib/virtual-screen.sh"
check_tools visible-menus
[ -x "$game" ] && [ -f "$build/Quibnar2.VexPak" ] || { echo "visible-menus: build the game first" >&2; exit 2; }

rm -rf "$out"
mkdir -p "$out/folder"
cp "$build/Quibnar2.VexPak" "$out/folder/"
printf 'Dialogs=False\r\nFullScreen=False\r\nSoundDevice=0\r\nSoundVolume=5\r\n' >"$out/folder/Config.cfg"
# A script without commands: the input is real, and the game prints its mode changes.
echo "# real input from xdotool" >"$out/folder/trace.txt"

start_virtual_screen "$out"

# The system's display libraries (dbus under SDL's video) keep a few allocations to the
# end; a sanitizer build would report them as the game's.
(cd "$out/folder" && SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
  exec "$game" --script trace.txt >../stdout.txt 2>../stderr.txt) &
game_pid=$!

# Waits until the trace reports the mode.
wait_mode() {
  for _ in $(seq 100); do
    [ "$(sed -n 's/^tick [0-9]* mode \([0-9]*\) .*/\1/p' "$out/stdout.txt" | tail -n 1)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "mode $1 never came: $(tail -n 3 "$out/stdout.txt" | tr '\n' '|')"
}
# The game's window, found afresh each time: the display set-up may replace the window the
# game opened first.
game_window() {
  xdotool search --sync --onlyvisible --name '^QuibNar2$' | tail -n 1
}
# Window pixels: the window's client area is the 640 x 480 frame.
click() {
  xdotool mousemove --window "$(game_window)" "$1" "$2"
  sleep 0.1
  xdotool click 1
}
press() {
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.15
  done
}

wait_mode 13
xdotool mousemove --window "$(game_window)" 600 20
# Each screenshot waits 0.6 s for the glows to settle.
shot main 0.6
click 320 230
wait_mode 17
shot options 0.6
click 320 235
wait_mode 20
press Down Down Right Right Right
shot sound 0.6
press Escape
wait_mode 17
press Down Right
wait_mode 18
press Down Right
shot video-pending 0.6
press Escape
wait_mode 17
press Escape
wait_mode 13
click 320 256
wait_mode 25
sleep 0.5
shot instructions-1 0.6
press space
shot instructions-2 0.6
press Escape
wait_mode 13
press Down Down
press Return
wait_mode 26
sleep 3
shot credits 0.6
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
