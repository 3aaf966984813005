#!/usr/bin/env bash
# Starts the game from the release build, in the player's game folder: it holds the data
# package, and the game writes "Config.cfg", the progress files and solutions there.
#   bash scripts/play.sh [the game's switches and options]
# Without arguments the game opens at its main menu. On a machine without a display it says
# so and shows the automation mode instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/release
game=$build/src/app/quibnar2
folder=${QUIBNAR2_HOME:-$HOME/.local/share/Quibnar2}

if [ ! -x "$game" ] || [ ! -f "$build/Quibnar2.VexPak" ]; then
  echo "The game is not built yet: cmake --preset release && cmake --build --preset release" >&2
  exit 1
fi
mkdir -p "$folder"
cp -u "$build/Quibnar2.VexPak" "$folder/Quibnar2.VexPak"
cd "$folder"

args=("$@")

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [[ " ${args[*]} " != *" --headless "* ]]; then
  printf '20 shot main-menu.png\n30 down 13\n31 up 13\n280 shot first-level.png\n400 down 39\n401 up 39\n470 shot a-hint.png\n520 down 32\n521 up 32\n560 shot after-the-hint.png\n' >automation-demo.txt
  cat <<MESSAGE
There is no display here, so the game cannot open its window. Its automation mode runs
without one; this is what it looks like (the game folder is $folder):

  cd $folder
  $game --headless --ticks 580 --script automation-demo.txt

A script feeds input by tick ("TICK down VK", "TICK up VK", "TICK text CHARS",
"TICK move X Y", "TICK click X Y", "TICK shot FILE.png"); the game prints every change of
its mode. Running it now:

MESSAGE
  "$game" --headless --ticks 580 --script automation-demo.txt
  echo
  echo "Screenshots: $folder/main-menu.png, $folder/first-level.png, $folder/a-hint.png and $folder/after-the-hint.png"
  exit 0
fi
exec "$game" ${args[@]+"${args[@]}"}
