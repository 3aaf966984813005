#!/usr/bin/env bash
# End-to-end test of qn2-sim: a solved level, a death by each of the four killers, a
# timeout, a level that cannot be read, --save, --solution, --trace and wrong arguments.
#
# usage: qn2_sim_test.sh QN2SIM WORK_FOLDER
set -u

SIM=$1
WORK=$2
source "$(dirname "$0")/check_support.sh"

# level NAME PLAYER_X PLAYER_Y [UNIT X Y]...: a level file of a player and other units.
level() {
  local name=$1 px=$2 py=$3
  shift 3
  {
    printf '[Misc]\r\nTitle=%s\r\n[Units]\r\n' "$name"
    printf 'Begin Player\r\n   InitialX = %s\r\n   InitialY = %s\r\nEnd Player\r\n' "$px" "$py"
    while [ $# -ge 3 ]; do
      printf 'Begin %s\r\n   InitialX = %s\r\n   InitialY = %s\r\nEnd %s\r\n' "$1" "$2" "$3" "$1"
      shift 3
    done
  } >"$WORK/$name.map"
}

# expect STATUS JSON_FRAGMENT... -- ARGS: runs the simulator, checks its exit status and that
# its last output line holds every fragment.
expect() {
  local status=$1
  shift
  local fragments=()
  while [ "$1" != "--" ]; do
    fragments+=("$1")
    shift
  done
  shift
  (cd "$WORK" && "$SIM" "$@") >"$WORK/out" 2>"$WORK/err"
  local got=$?
  [[ $got == "$status" ]] || fail "qn2-sim $* exited $got, expected $status ($(cat "$WORK/err"))"
  local last
  last=$(tail -n 1 "$WORK/out")
  for f in "${fragments[@]}"; do
    [[ $last == *"$f"* ]] || fail "qn2-sim $*: '$last' lacks '$f'"
  done
}

rm -rf "$WORK"
mkdir -p "$WORK/Solutions"

# Walking against an exit with every key (none here) held solves the level.
level Door 1 1 Exit 3 1
expect 0 '"outcome": "solved"' '"killer": null' '"player": [2, 1]' '"keys": [0, 0]' -- \
  Door.map --moves RR
# A key on the way: collected, then the door opens.
level Keyed 1 1 Key 2 1 Exit 4 1
expect 0 '"outcome": "solved"' '"keys": [1, 1]' -- Keyed.map --moves RRR
# A key left lying keeps the exit shut.
level Shut 1 1 Key 5 5 Exit 3 1
expect 1 '"outcome": "timeout"' '"keys": [0, 1]' '"turns": 12' '"player": [2, 1]' -- \
  Shut.map --moves RR --max-turns 12

# Each of the four killers.
level Snake 1 5 Snake 8 5
expect 1 '"outcome": "dead"' '"killer": "tSnake"' '"player": [1, 5]' -- Snake.map
level Spider 5 5 Spider 7 5
expect 1 '"outcome": "dead"' '"killer": "tSpider"' -- Spider.map --max-turns 40
level Bomb 1 1 CherryBomb 2 1
expect 1 '"outcome": "dead"' '"killer": "tCherryBomb"' -- Bomb.map --moves 'R..!' --max-turns 60
level Droid 5 5 SeekerDroid 8 5
expect 1 '"outcome": "dead"' '"killer": "tSeekerDroid"' '"player": [6, 5]' -- Droid.map --moves R

# Standing still in an empty level runs out of turns.
level Empty 7 7
expect 1 '"outcome": "timeout"' '"turns": 25' '"player": [7, 7]' -- Empty.map --max-turns 25
# The trace prints one line per turn before the result.
expect 1 '"outcome": "timeout"' -- Empty.map --max-turns 3 --trace
[[ $(grep -c '^{"turn": ' "$WORK/out") == 4 ]] || fail "--trace printed $(grep -c turn "$WORK/out") turn lines"
grep -q '^{"turn": 2, "player": \[7, 7\], "mode": 2}$' "$WORK/out" || fail "no trace line for turn 2"

# The same decisions from a stored solution: R R as recorded values 10 10.
printf 'MorvRecord\x02\x00\x00\x00\x0a\x00\x00\x00\x0a\x00\x00\x00' >"$WORK/Solutions/Door.Solution"
expect 0 '"outcome": "solved"' -- Door.map --solution 'Solutions\Door.Solution'

# A level the reader refuses, a missing level, a missing solution.
printf '[Tiles]\r\n000\r\n' >"$WORK/Bad.map"
expect 2 -- Bad.map
[[ $(cat "$WORK/err") == "Not enough lines in [Tiles] chunk" ]] || fail "bad level said '$(cat "$WORK/err")'"
expect 2 -- Missing.map
[[ $(cat "$WORK/err") == "File Missing 'Missing.map'." ]] || fail "missing level said '$(cat "$WORK/err")'"
expect 2 -- Door.map --solution Nowhere.Solution

# --save writes the level as read.
expect 0 -- Keyed.map --save Saved.map
grep -q $'^Begin Key\r$' "$WORK/Saved.map" || fail "--save wrote no key"
grep -q $'^Title=Keyed\r$' "$WORK/Saved.map" || fail "--save lost the title"
expect 0 '"outcome": "solved"' -- Saved.map --moves RRR

# A screenshot needs the game's pictures; without them the simulator says which is missing.
expect 2 -- Door.map --screenshot Door.png
grep -q "File Missing '" "$WORK/err" || fail "screenshot without pictures said '$(cat "$WORK/err")'"

# The solver: the shortest way to the exit, past a key; the solution it writes plays back
# to the same end in the same number of turns. Turns count as the play counts them, the
# four before the player's first step included.
level Detour 1 1 Key 1 4 Exit 4 1
expect 0 '"outcome": "solved"' '"turns": 13' '"moves": "DDDUUURRR"' -- Detour.map --solve \
  --save 'Solutions\Detour.Solution'
expect 0 '"outcome": "solved"' '"turns": 13' '"keys": [1, 1]' -- Detour.map \
  --solution 'Solutions\Detour.Solution'
# A boulder in the way: going round it is shorter than pushing it along.
level Round 1 1 Boulder 2 1 Exit 3 1
expect 0 '"outcome": "solved"' '"turns": 8' '"moves": "URDR"' -- Round.map --solve
# A snake that shoots along its row before the player has warped in: no way out.
level Guarded 1 5 Snake 4 5 Exit 7 5
expect 1 '"outcome": "unsolvable"' -- Guarded.map --solve
# A jewel makes the way longer only when every jewel must be collected.
level Gem 1 1 Jewel 1 3 Exit 3 1
expect 0 '"outcome": "solved"' '"turns": 6' -- Gem.map --solve
expect 0 '"outcome": "solved"' '"turns": 10' -- Gem.map --solve --all-jewels
# An exit walled in by water and force fields cannot be reached; a small budget gives up.
level Walled 1 1 Exit 8 8 Water 8 7 Water 8 9 Water 7 8 Water 9 8
expect 1 '"outcome": "unsolvable"' -- Walled.map --solve
expect 1 '"outcome": "gave-up"' '"states": 20' -- Walled.map --solve --max-states 20
expect 2 -- Door.map --solve --moves R
expect 2 -- Door.map --all-jewels

# Wrong arguments.
expect 2 -- Door.map --moves 'RX'
grep -q "cannot read the move 'X'" "$WORK/err" || fail "bad move not named"
expect 2 -- Door.map --moves R --solution x
expect 2 --
grep -q '^usage: qn2-sim' "$WORK/err" || fail "no usage printed"

finish "qn2-sim: all checks passed"
