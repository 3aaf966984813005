#!/usr/bin/env bash
# End-to-end tests of the menus in the game's automation mode: the real program, the built
# data package, scripted mouse and keys, the mode trace and the files the game writes.
#
# usage: game_menus_e2e_test.sh QUIBNAR2 PACKAGE WORK_FOLDER
# Screenshots of every menu stay in WORK_FOLDER/tour.
set -u

GAME=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
PACKAGE=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
WORK=$3
source "$(dirname "$0")/check_support.sh"

game_folder() {
  local dir="$WORK/$1"
  rm -rf "$dir"
  mkdir -p "$dir"
  ln -s "$PACKAGE" "$dir/Quibnar2.VexPak"
  printf 'SoundVolume=5\r\n' >"$dir/Config.cfg"
  echo "$dir"
}

# A key pressed at a tick and released at the next.
key() {
  echo "$1 down $2"
  echo "$(($1 + 1)) up $2"
}

run_game() {
  local dir=$1
  shift
  (cd "$dir" && "$GAME" "$@" >stdout.txt 2>stderr.txt)
}

# The modes the trace went through, in order, as one line ("13 17 20 ...").
modes() {
  sed -n 's/^tick [0-9]* mode \([0-9]*\) .*/\1/p' "$1/stdout.txt" | tr '\n' ' '
}

# --- Main menu, OPTIONS and SOUND by mouse, the effects volume by keys, Escape twice, EXIT ---
dir=$(game_folder walk)
{
  echo "20 click 320 230"  # OPTIONS
  echo "40 click 320 235"  # SOUND >
  key 60 40
  key 65 40                # EFFECTS VOLUME
  key 70 39
  key 75 39
  key 80 39                # 5 -> 8
  key 100 27
  key 110 27
  echo "130 click 320 375" # EXIT PROGRAM
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 400 --script script.txt
status=$?
[ $status -eq 0 ] || fail "walk: exit status $status"
[ "$(modes "$dir")" = "13 17 20 17 13 5 1 " ] || fail "walk: modes $(modes "$dir")"
last=$(sed -n 's/^tick \([0-9]*\) mode 1 .*/\1/p' "$dir/stdout.txt")
[ -n "$last" ] && [ "$last" -lt 160 ] || fail "walk: the program did not close after the fade: $(cat "$dir/stdout.txt")"
grep -q $'^SoundVolume=8\r$' "$dir/Config.cfg" || fail "walk: Config.cfg has no SoundVolume=8: $(cat -A "$dir/Config.cfg")"

# --- Every menu by keys, with screenshots -----------------------------------------------------
dir=$(game_folder tour)
{
  echo "5 shot main.png"
  key 10 40
  key 12 13                # OPTIONS
  echo "20 shot options.png"
  key 25 40
  key 27 39                # SOUND >
  echo "35 shot sound.png"
  key 40 38
  key 42 39                # ADVANCED >
  echo "50 shot advanced-sound.png"
  key 55 40
  key 57 13                # the next output type
  echo "59 shot advanced-sound-sliding.png"
  echo "75 shot advanced-sound-changed.png"
  key 80 38
  key 82 37                # < BACK TO SOUND, with the change
  key 90 27                # options
  key 95 40
  key 97 39                # VIDEO >
  echo "105 shot video.png"
  key 110 40
  key 112 39               # brightness up one step
  echo "120 shot video-pending.png"
  key 125 40
  key 127 40
  key 129 40
  key 131 39               # ADVANCED >
  echo "140 shot advanced-video.png"
  key 145 27
  key 150 40               # APPLY CHANGES
  echo "160 shot video-apply.png"
  key 165 13
  echo "180 shot main-after-reload.png"
  key 185 40
  key 187 40
  key 190 13               # INSTRUCTIONS
  echo "200 shot instructions-1.png"
  key 210 32
  echo "225 shot instructions-2.png"
  key 240 32
  echo "255 shot instructions-3.png"
  key 270 32
  echo "285 shot instructions-4.png"
  key 293 32               # back to the main menu, once the page's pause is over
  key 296 40
  key 298 13               # GAME FOLDER
  key 300 40
  key 302 13               # CREDITS
  echo "700 shot credits.png"
  key 705 27
  key 710 40
  key 712 13               # EXIT PROGRAM
} >"$dir/script.txt"
run_game "$dir" --headless --ticks 900 --script script.txt
status=$?
[ $status -eq 0 ] || fail "tour: exit status $status"
expected="13 17 20 21 20 17 18 19 18 13 25 13 26 13 5 1 "
[ "$(modes "$dir")" = "$expected" ] || fail "tour: modes $(modes "$dir"), not $expected"
grep -q "^Game folder requested: file://$(cd "$dir" && pwd)$" "$dir/stdout.txt" ||
  fail "tour: no game folder address: $(cat "$dir/stdout.txt")"
for line in SoundDevice=0 DisplayBrightness=1.32; do
  grep -q "^$line"$'\r$' "$dir/Config.cfg" || fail "tour: no '$line' in $(cat -A "$dir/Config.cfg")"
done
for shot in main options sound advanced-sound advanced-sound-sliding video video-pending \
  advanced-video video-apply main-after-reload instructions-1 instructions-4 credits; do
  [ -f "$dir/$shot.png" ] || fail "tour: no $shot.png"
done

finish "game menus end-to-end: all passed"
