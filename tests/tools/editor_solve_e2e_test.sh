#!/usr/bin/env bash
# The editor's Solve button end to end: the real game in its automation mode opens the
# editor, starts a new level and places a player alone (the search finds no way to finish
# it), then a jewel and an exit, and solves the level as edited, never saved: the search
# runs in a process of its own while the game goes on, and the solution it finds plays in a
# test play to the finished level. A search started again is cancelled.
#
# usage: editor_solve_e2e_test.sh QUIBNAR2 PACKAGE WORK_FOLDER
set -u

GAME=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
PACKAGE=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
WORK=$3
source "$(dirname "$0")/check_support.sh"

dir="$WORK/editor-solve"
rm -rf "$dir"
mkdir -p "$dir"
ln -s "$PACKAGE" "$dir/Quibnar2.VexPak"
printf 'Dialogs=False\r\nSoundOn=True\r\n' >"$dir/Config.cfg"

# Tool window pixels: "File" at (18, 8) with New at y 29; "Editing" at (12, 30); the
# Objects tab at (120, 48), where the template box has the player at (24, 232), the jewel
# at (24, 272) and the exit at (64, 272). Game pixels: cell (x, y) is centred at
# (144 + 32x, 16 + 32y).
cat >"$dir/script.txt" <<'SCRIPT'
5 down 122
6 up 122
8 editor click 18 8
11 editor click 22 29
15 editor click 12 30
19 editor click 120 48
23 editor click 24 232
27 click 208 240
30 editor solve
32 editor wait
34 editor shot none.png
36 editor click 24 272
40 click 240 176
43 editor click 64 272
47 click 304 240
50 editor solve
51 editor shot running.png
51 shot before.png
52 editor wait
54 editor shot solved.png
200 shot playing.png
400 editor click 12 30
404 editor solve
406 editor cancel
408 editor shot cancelled.png
SCRIPT

if (cd "$dir" && "$GAME" --headless --ticks 410 --script script.txt >stdout.txt 2>stderr.txt); then
  out="$dir/stdout.txt"
  grep -q '^editor solve: No solution: the player cannot finish this level$' "$out" ||
    fail "a level without an exit was not found unsolvable: $(grep 'editor solve' "$out")"
  # Two searches for it: every jewel first, then any way at all.
  [ "$(grep -c '^editor solve: Solving (' "$out")" -ge 3 ] ||
    fail "the searches did not show as running: $(grep 'editor solve' "$out")"
  solved=$(grep -m1 '^editor solve: Solved in ' "$out")
  case $solved in
    *'turns (all jewels), '*' states') ;;
    *) fail "the level with a jewel and an exit was not solved with the jewel: $(grep 'editor solve' "$out")" ;;
  esac
  # The solution plays in a test play until the level is done.
  solved_at=$(grep -n '^editor solve: Solved in ' "$out" | head -n 1 | cut -d: -f1)
  done_at=$(grep -n '^tick [0-9]* mode 10 ' "$out" | head -n 1 | cut -d: -f1)
  [ -n "$solved_at" ] && [ -n "$done_at" ] && [ "$done_at" -gt "$solved_at" ] ||
    fail "the solution did not play to the finished level: $(cat "$out")"
  grep -q '^editor solve: idle$' "$out" || fail "the last search was not cancelled: $(grep 'editor solve' "$out")"
  [ -z "$(find "$dir" -name '*.map')" ] || fail "a level file was written: $(find "$dir" -name '*.map')"
  for shot in none running solved cancelled; do
    [ "$(png_size "$dir/$shot.png" 2>/dev/null)" = "185 460" ] || fail "$shot.png is not the 185 x 460 tool window"
  done
  for shot in before playing; do
    [ "$(png_size "$dir/$shot.png" 2>/dev/null)" = "640 480" ] || fail "$shot.png is not the game frame"
  done
else
  fail "the game failed: $(tail -n 5 "$dir/stderr.txt")"
fi

finish "editor solve end to end: all passed"
