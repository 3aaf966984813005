#!/usr/bin/env bash
# End-to-end tests of the intro video in the game's automation mode. A new player's first
# start plays the shipped episode's entry 0, the video, in step with the ticks, and the
# episode goes on to entry 1; a key or a click skips it. Episodes of our own (a video, then
# a level) show that "NoVideo" passes it over and a damaged video is reported and passed over.
#
# usage: video_e2e_test.sh QUIBNAR2 PACKAGE WORK_FOLDER VEXPAK
set -u

GAME=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
PACKAGE=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
WORK=$3
VEXPAK=$4
source "$(dirname "$0")/check_support.sh"

# A game folder with the package and a set file: the video given, then the first level.
game_folder() {
  local dir="$WORK/$1"
  rm -rf "$dir"
  mkdir -p "$dir"
  ln -s "$PACKAGE" "$dir/Quibnar2.VexPak"
  printf 'Video %s\r\nLevel FirstSteps.map\r\n' "$2" >"$dir/VideoTest.set"
  echo "$dir"
}

run_game() {
  local dir=$1
  shift
  (cd "$dir" && "$GAME" "$@" Set VideoTest.set >stdout.txt 2>stderr.txt)
}

# The shipped episode in a new game folder, started without naming an entry: the script's
# first line chooses START GAME on the main menu at tick 10, as a new player would.
run_shipped() {
  local dir=$1
  shift
  (cd "$dir" && "$GAME" "$@" >stdout.txt 2>stderr.txt)
}

# The tick at which the traced mode line first appears ("mode 7 entry 1"), empty if never.
tick_of() {
  grep -m1 " $2\$\| $2 " "$1/stdout.txt" | sed -n 's/^tick \([0-9]*\) .*/\1/p'
}

differ() {
  ! cmp -s "$1" "$2"
}

# --- Played through: three moments photographed, then the level ---------------------------------
dir=$(game_folder play Intro.mp4)
START='10 click 320 186'
printf '%s\n60 shot early.png\n600 shot middle.png\n1100 shot late.png\n' "$START" >"$dir/script.txt"
if run_shipped "$dir" --headless --ticks 1500 --script script.txt; then
  grep -q '^tick 10 mode 6 entry 0 ' "$dir/stdout.txt" || fail "play: the video did not start: $(cat "$dir/stdout.txt")"
  end=$(tick_of "$dir" "mode 7 entry 1")
  # The video is between 20 and 40 seconds long: 1000 to 2000 ticks of 20 ms.
  if [ -z "$end" ]; then
    fail "play: the level after the video did not start: $(cat "$dir/stdout.txt")"
  elif [ "$end" -lt 1010 ] || [ "$end" -gt 1500 ]; then
    fail "play: the video ended at tick $end"
  fi
  for shot in early middle late; do
    [ -s "$dir/$shot.png" ] || fail "play: no $shot.png"
  done
  differ "$dir/early.png" "$dir/middle.png" || fail "play: the video did not move"
  differ "$dir/middle.png" "$dir/late.png" || fail "play: the video did not move on"
  [ ! -s "$dir/stderr.txt" ] || fail "play: messages: $(cat "$dir/stderr.txt")"
else
  fail "play: exit status $? ($(cat "$dir/stderr.txt"))"
fi

# The same run gives the same pictures: the video follows the ticks, not the clock.
dir2=$(game_folder again Intro.mp4)
printf '%s\n600 shot middle.png\n' "$START" >"$dir2/script.txt"
run_shipped "$dir2" --headless --ticks 601 --script script.txt || fail "again: exit status $?"
cmp -s "$dir/middle.png" "$dir2/middle.png" || fail "again: a different picture at the same tick"

# --- A key skips the video ----------------------------------------------------------------------
dir=$(game_folder skip Intro.mp4)
printf '%s\n50 down 32\n51 up 32\n' "$START" >"$dir/script.txt"
run_shipped "$dir" --headless --ticks 120 --script script.txt || fail "skip: exit status $?"
end=$(tick_of "$dir" "mode 7 entry 1")
[ "$end" = 50 ] || fail "skip: the level started at tick '$end': $(cat "$dir/stdout.txt")"

# --- A click skips it as well ---------------------------------------------------------------------
dir=$(game_folder click Intro.mp4)
printf '%s\n30 click 320 240\n' "$START" >"$dir/script.txt"
run_shipped "$dir" --headless --ticks 100 --script script.txt || fail "click: exit status $?"
end=$(tick_of "$dir" "mode 7 entry 1")
[ "$end" = 30 ] || fail "click: the level started at tick '$end': $(cat "$dir/stdout.txt")"

# --- NoVideo passes every video over --------------------------------------------------------------
dir=$(game_folder novideo Intro.mp4)
run_game "$dir" --headless --entry 0 --ticks 20 NoVideo || fail "novideo: exit status $?"
grep -q ' mode 6 ' "$dir/stdout.txt" && fail "novideo: the video showed"
end=$(tick_of "$dir" "mode 7 entry 1")
[ -n "$end" ] && [ "$end" -le 2 ] || fail "novideo: the level started at tick '$end'"

# --- A damaged video is reported and passed over --------------------------------------------------
dir=$(game_folder damaged Broken.mp4)
head -c 30000 /dev/zero | tr '\0' 'Q' >"$dir/Broken.mp4"
run_game "$dir" --headless --entry 0 --ticks 20 || fail "damaged: exit status $?"
grep -q 'The video Broken.mp4 could not be played: ' "$dir/stderr.txt" ||
  fail "damaged: no message: $(cat "$dir/stderr.txt")"
[ -n "$(tick_of "$dir" "mode 7 entry 1")" ] || fail "damaged: the level did not start"

# The real video cut short: its index is gone.
dir=$(game_folder cut Cut.mp4)
"$VEXPAK" cat "$PACKAGE" Intro.mp4 | head -c 200000 >"$dir/Cut.mp4"
[ "$(wc -c <"$dir/Cut.mp4")" = 200000 ] || fail "cut: the packaged video could not be read"
run_game "$dir" --headless --entry 0 --ticks 200 || fail "cut: exit status $?"
grep -q 'The video Cut.mp4 could not be played: ' "$dir/stderr.txt" ||
  fail "cut: no message: $(cat "$dir/stderr.txt")"
[ -n "$(tick_of "$dir" "mode 7 entry 1")" ] || fail "cut: the level did not start"

finish "video end-to-end: all passed"
