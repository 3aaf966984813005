#!/usr/bin/env bash
# The game's processor time while a level with moving, animated units runs at 50 frames a
# second, in a window and full screen (1024 x 768), side by side with two other tile games
# at their first screens, all on one virtual X display. Each program gets a few seconds to
# settle, then its user and system time is read from /proc over the measured seconds.
# usage: bench/cpu_compare.sh GAME PACKAGE [SECONDS] [ENTRY]
#   needs Debian packages xvfb, xdotool, xye and tworld; ENTRY is the level played (default 23,
#   a spider pacing its ring beside water)
# Example: bench/cpu_compare.sh build/release/src/app/quibnar2 build/release/Quibnar2.VexPak
set -euo pipefail
GAME=$(realpath "$1")
PACKAGE=$(realpath "$2")
SECONDS_MEASURED=${3:-15}
ENTRY=${4:-23}
SETTLE=3
HZ=$(getconf CLK_TCK)

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1
export DISPLAY=$display SDL_AUDIODRIVER=dummy

# Processor ticks (user + system) the process and its waited-for children have used.
ticks() { awk '{ print $14 + $15 + $16 + $17 }' "/proc/$1/stat"; }

# Runs the command in its own folder (the game with FullScreen set as given), gives its
# window the keyboard focus as a player would, and prints its share of one processor in
# percent.
measure() {
  local name=$1 fullscreen=$2
  shift 2
  local dir=$work/$name
  mkdir -p "$dir"
  ln -sf "$PACKAGE" "$dir/Quibnar2.VexPak"
  printf 'FullScreen=%s\r\n' "$fullscreen" >"$dir/Config.cfg"
  (cd "$dir" && HOME=$dir exec "$@" >/dev/null 2>&1) &
  local pid=$!
  sleep 1
  for window in $(xdotool search --pid "$pid" --onlyvisible 2>/dev/null); do
    xdotool windowfocus "$window" 2>/dev/null || true
  done
  sleep "$SETTLE"
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "$name did not keep running" >&2
    exit 1
  fi
  local before after
  before=$(ticks "$pid")
  sleep "$SECONDS_MEASURED"
  after=$(ticks "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v t=$((after - before)) -v hz="$HZ" -v s="$SECONDS_MEASURED" \
    'BEGIN { printf "%.1f", 100 * t / hz / s }'
}

game_window=$(measure game-window False "$GAME" --entry "$ENTRY")
game_full=$(measure game-full True "$GAME" --entry "$ENTRY")
xye=$(measure xye False /usr/games/xye)
tworld=$(measure tworld False /usr/games/tworld)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
echo "processor share over $SECONDS_MEASURED s (100 = one core), level entry $ENTRY:"
echo "| program | CPU % | vs Xye | vs Tile World |"
echo "|---|---:|---:|---:|"
echo "| game, window | $game_window | $(ratio "$game_window" "$xye") | $(ratio "$game_window" "$tworld") |"
echo "| game, full screen 1024 x 768 | $game_full | $(ratio "$game_full" "$xye") | $(ratio "$game_full" "$tworld") |"
echo "| Xye | $xye | 1.00 | $(ratio "$xye" "$tworld") |"
echo "| Tile World | $tworld | $(ratio "$tworld" "$xye") | 1.00 |"
echo "full screen / window: $(ratio "$game_full" "$game_window") (goals: window at most Xye and" \
  "at most twice Tile World; full screen at most twice the window)"
