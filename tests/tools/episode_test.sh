#!/usr/bin/env bash
# Plays every level of the shipped episode with its stored solution and requires the level
# solved with every jewel collected. Also checks that each level has a title and a hint and
# that every line of moves.txt has its solution file.
#
# usage: episode_test.sh QN2SIM CONTENT_FOLDER
set -u

SIM=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
CONTENT=$2
source "$(dirname "$0")/check_support.sh"

cd "$CONTENT" || exit 1
[ -f QuibNar.set ] || { echo "FAIL: no QuibNar.set in $CONTENT" >&2; exit 1; }
[ -f Levels/Blank.map ] || fail "no Levels/Blank.map"

levels=0
while IFS= read -r line || [ -n "$line" ]; do
  line=${line%$'\r'}
  kind=${line%% *}
  name=${line#* }
  [[ ${kind,,} == level ]] || continue
  levels=$((levels + 1))
  [ -f "Levels/$name" ] || { fail "$name: no level file"; continue; }
  grep -q $'^Title=.\+\r$' "Levels/$name" || fail "$name: no title"
  grep -q $'^Hint=.\+\r$' "Levels/$name" || fail "$name: no hint"
  solution="Solutions\\${name%.*}.Solution"
  [ -f "Solutions/${name%.*}.Solution" ] || { fail "$name: no solution file"; continue; }
  out=$("$SIM" "$name" --solution "$solution" 2>&1)
  last=$(tail -n 1 <<<"$out")
  [[ $last == *'"outcome": "solved"'* ]] || { fail "$name: $last"; continue; }
  if [[ $last =~ \"jewels\":\ \[([0-9]+),\ ([0-9]+)\] ]]; then
    [[ ${BASH_REMATCH[1]} == "${BASH_REMATCH[2]}" ]] || fail "$name: jewels left behind: $last"
  else
    fail "$name: no jewel count in '$last'"
  fi
done <QuibNar.set

[ $levels -ge 12 ] || fail "only $levels levels in QuibNar.set"

# Every solution source has its file, so a moves.txt edit without regenerating shows up.
while read -r level moves; do
  [ -z "$level" ] && continue
  [ -f "Solutions/${level%.*}.Solution" ] || fail "moves.txt names $level, which has no solution"
done <Solutions/moves.txt

finish "episode: $levels levels solved with every jewel"
