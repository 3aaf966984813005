#!/usr/bin/env bash
# The level editor end to end: the real game in its automation mode opens the editor with
# F11, starts a new level, switches editing on, places a player and an exit, paints walls,
# saves the level through the editor's file dialog under a new name, and is asked about
# unsaved changes before a new level; the simulator then plays the saved file to the exit.
#
# usage: editor_e2e_test.sh QUIBNAR2 QN2_SIM PACKAGE WORK_FOLDER
set -u

GAME=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
SIM=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
PACKAGE=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
WORK=$4
source "$(dirname "$0")/check_support.sh"

dir="$WORK/editor"
rm -rf "$dir"
mkdir -p "$dir/Mine"
ln -s "$PACKAGE" "$dir/Quibnar2.VexPak"
printf 'Dialogs=False\r\nSoundOn=True\r\n' >"$dir/Config.cfg"

# Tool window pixels: the menu bar's "File" at (18, 8) with New at y 29 and Save As... at
# y 75; the "Editing" box at (12, 30); the page tabs at y 48 (Tiles 18, Overlay 60,
# Objects 120, Vars 160); on the Objects page the template box's player at (24, 232) and
# exit at (64, 272); the question's Cancel at (135, 252). Game pixels: cell (x, y) is centred at (144 + 32x, 16 + 32y).
cat >"$dir/script.txt" <<'SCRIPT'
5 down 122
6 up 122
8 editor click 18 8
11 editor click 22 29
15 editor click 12 30
19 editor click 120 48
23 editor click 24 232
27 click 208 240
30 editor click 64 272
34 click 304 240
37 editor shot objects.png
40 editor click 18 48
44 click 240 176
46 click 272 304
48 editor shot tiles.png
50 shot game.png
52 editor click 18 8
55 editor click 30 75
59 editor shot dialog.png
61 editor text Mine/First.map
63 editor down 13
64 editor up 13
68 editor shot saved.png
70 click 304 304
73 editor click 18 8
76 editor click 22 29
80 editor shot question.png
83 editor click 135 252
87 editor shot after.png
89 editor click 18 8
92 editor click 22 59
SCRIPT

if (cd "$dir" && "$GAME" --headless --ticks 96 --script script.txt >stdout.txt 2>stderr.txt); then
  saved="$dir/Mine/First.map"
  [ -f "$saved" ] || fail "the level was not saved as Mine/First.map: $(ls "$dir" "$dir/Mine")"
  grep -q '^Begin Player' "$saved" && grep -q '^Begin Exit' "$saved" ||
    fail "the saved level lacks the player or the exit"
  # Cancel kept the third wall, and File > Save wrote it under the level's name.
  walls=$(grep -o '110' "$saved" | wc -l)
  [ "$walls" -eq 3 ] || fail "the saved level has $walls walls, not 3"
  grep -q '^editor asks: Save the changes to Mine/First.map?$' "$dir/stdout.txt" ||
    fail "no question about unsaved changes: $(cat "$dir/stdout.txt")"
  grep -q '^tick [0-9]* mode 3 ' "$dir/stdout.txt" || fail "editing never started"
  for shot in objects tiles question after; do
    [ "$(png_size "$dir/$shot.png" 2>/dev/null)" = "185 460" ] || fail "$shot.png is not the 185 x 460 tool window"
  done
  [ "$(png_size "$dir/dialog.png" 2>/dev/null)" = "400 460" ] || fail "dialog.png is not the widened dialog"
  [ "$(png_size "$dir/game.png" 2>/dev/null)" = "640 480" ] || fail "game.png is not the game frame"
  out=$(cd "$dir" && "$SIM" Mine/First.map --package Quibnar2.VexPak --moves 'RRR..')
  case $out in
    *'"outcome": "solved"'*) ;;
    *) fail "qn2-sim did not solve the saved level: $out" ;;
  esac
else
  fail "the game failed: $(tail -n 5 "$dir/stderr.txt")"
fi

finish "editor end to end: all passed"
