#!/usr/bin/env bash
# Runs the solver over every level of the shipped episode. Each level must be solvable with
# every jewel collected, the solver's own solution must play back to the same end, and the
# stored solution must be a shortest one (a longer one means the level has a quicker way
# through than its author meant, or the stored solution should be replaced).
#
# usage: solver_levels_test.sh QN2SIM CONTENT_FOLDER WORK_FOLDER
set -u

SIM=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
CONTENT=$2
WORK=$3
source "$(dirname "$0")/check_support.sh"

field() {  # field NAME JSON: the number after "NAME":
  [[ $2 =~ \"$1\":\ (-?[0-9.]+) ]] && echo "${BASH_REMATCH[1]}"
}

rm -rf "$WORK" && mkdir -p "$WORK" || exit 1
cd "$CONTENT" || exit 1
printf '%-22s %6s %10s %8s\n' level turns states seconds
levels=0
while IFS= read -r line || [ -n "$line" ]; do
  line=${line%$'\r'}
  [[ ${line%% *} == [Ll]evel ]] || continue
  name=${line#* }
  levels=$((levels + 1))
  found="$WORK/${name%.*}.Solution"
  solved=$("$SIM" "$name" --solve --all-jewels --save "$found" 2>&1 | tail -n 1)
  [[ $solved == *'"outcome": "solved"'* ]] || { fail "$name: $solved"; continue; }
  turns=$(field turns "$solved")
  printf '%-22s %6s %10s %8s\n' "$name" "$turns" "$(field states "$solved")" "$(field seconds "$solved")"

  replay=$("$SIM" "$name" --solution "$found" 2>&1 | tail -n 1)
  [[ $replay == *'"outcome": "solved"'* ]] || fail "$name: the solver's solution plays to $replay"
  [[ $(field turns "$replay") == "$turns" ]] || fail "$name: the solver's solution takes $(field turns "$replay") turns played back, not $turns"
  [[ $replay =~ \"jewels\":\ \[([0-9]+),\ ([0-9]+)\] && ${BASH_REMATCH[1]} == "${BASH_REMATCH[2]}" ]] ||
    fail "$name: the solver's solution leaves jewels: $replay"

  stored=$("$SIM" "$name" --solution "Solutions\\${name%.*}.Solution" 2>&1 | tail -n 1)
  storedTurns=$(field turns "$stored")
  if [[ -z $storedTurns ]]; then
    fail "$name: the stored solution plays to $stored"
  elif ((storedTurns > turns)); then
    [[ $solved =~ \"moves\":\ \"([^\"]*)\" ]]
    fail "$name: the stored solution takes $storedTurns turns, the shortest $turns: ${BASH_REMATCH[1]}"
  elif ((storedTurns < turns)); then
    fail "$name: the stored solution takes $storedTurns turns, fewer than the solver's shortest $turns"
  fi
done <QuibNar.set

[ $levels -gt 0 ] || fail "no levels in $CONTENT/QuibNar.set"
finish "solver: all $levels levels solvable, every stored solution a shortest one"
