#!/usr/bin/env bash
# Regenerates the stored solutions of the episode from content/Solutions/moves.txt, where
# each line is "LevelName.map MOVES" in the letters of qn2-sim's --moves.
#
# usage: scripts/make-solutions.sh [MKSOLUTION [CONTENT]]
#   MKSOLUTION defaults to build/h-levels/tools/mksolution/mksolution (built when missing),
#   CONTENT to the repository's content folder.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$root/build/h-levels/tools/mksolution/mksolution}
content=${2:-$root/content}

if [ ! -x "$tool" ]; then
  cmake -S "$root" -B "$root/build/h-levels" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$root/build/h-levels" --target mksolution
fi

made=0
while read -r level moves; do
  [ -z "$level" ] && continue
  case $level in '#'*) continue ;; esac
  [ -f "$content/Levels/$level" ] || { echo "no level $level" >&2; exit 1; }
  "$tool" "$moves" "$content/Solutions/${level%.*}.Solution"
  made=$((made + 1))
done <"$content/Solutions/moves.txt"
echo "$made solutions written to $content/Solutions"
