#!/usr/bin/env bash
# The game's start-up: the time from launch to its first frame (headless, the first level of
# the shipped episode, one tick), the peak memory of that run and the package's size.
# usage: bench/startup.sh GAME PACKAGE [RUNS]   (needs GNU time: Debian package "time")
# Example: bench/startup.sh build/release/src/app/quibnar2 build/release/Quibnar2.VexPak
set -euo pipefail
GAME=$(realpath "$1")
PACKAGE=$(realpath "$2")
RUNS=${3:-7}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
ln -s "$PACKAGE" "$dir/Quibnar2.VexPak"

times=()
peak=0
for ((run = 0; run < RUNS; run++)); do
  rm -f "$dir/Config.cfg" "$dir/QuibNar.Progress"
  start=$(date +%s%N)
  kib=$(cd "$dir" && /usr/bin/time -f "%M" "$GAME" --headless --entry 1 --ticks 1 2>&1 >/dev/null |
    tail -n 1)
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
  ((kib > peak)) && peak=$kib
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to the first frame: median ${sorted[$((RUNS / 2))]} ms, best ${sorted[0]} ms," \
  "worst ${sorted[$((RUNS - 1))]} ms over $RUNS runs (goal: under 500 ms)"
echo "peak memory: $((peak / 1024)) MiB"
echo "package: $(($(stat -L -c %s "$PACKAGE") / 1024 / 1024)) MiB ($PACKAGE)"
