#!/usr/bin/env bash
# Finds the shortest way through levels of the episode that collects every jewel, and
# stores it: the moves go into content/Solutions/moves.txt (replacing the level's line) and
# the solution file is written from them. Levels the solver cannot finish within its budget
# keep their line.
#
# usage: scripts/solve-levels.sh [--max-states N] [LEVEL.map ...]   (default: every level)
#   QN2SIM names the simulator (default build/release/tools/qn2-sim/qn2-sim, built when missing)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
content=$root/content
sim=${QN2SIM:-$root/build/release/tools/qn2-sim/qn2-sim}
budget=()
if [ "${1:-}" = --max-states ]; then
  budget=(--max-states "$2")
  shift 2
fi
if [ ! -x "$sim" ]; then
  cmake --preset release -S "$root" >/dev/null
  cmake --build "$root/build/release" --target qn2-sim
fi

cd "$content"
if [ $# -eq 0 ]; then
  set -- $(tr -d '\r' <QuibNar.set | awk 'tolower($1) == "level" { print $2 }')
fi
touch Solutions/moves.txt
for level in "$@"; do
  [ -f "Levels/$level" ] || { echo "no level $level" >&2; exit 1; }
  out=$("$sim" "$level" --solve --all-jewels "${budget[@]}" --save "Solutions/${level%.*}.Solution" | tail -n 1)
  echo "$level: $out"
  [[ $out == *'"outcome": "solved"'* ]] || continue
  [[ $out =~ \"moves\":\ \"([^\"]*)\" ]]
  moves=${BASH_REMATCH[1]}
  awk -v level="$level" -v moves="$moves" '
    $1 == level { print level " " moves; done = 1; next } { print }
    END { if (!done) print level " " moves }' Solutions/moves.txt >Solutions/moves.txt.new
  mv Solutions/moves.txt.new Solutions/moves.txt
done
