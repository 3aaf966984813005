#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each of them in turn for SECONDS
# (default 600) over a working copy of its seed corpus, then prints per target the
# executions, the time, the coverage (cov and ft of libFuzzer's final figures) and the
# number of findings (crash, leak, timeout and out-of-memory inputs).
#
#   scripts/fuzz.sh [SECONDS]
#   FUZZ_TARGETS="jpeg_picture zip_archive" scripts/fuzz.sh 60
#
# Runs one fuzzer at a time. Findings land in build/fuzz/findings/TARGET/, logs in
# build/fuzz/logs/TARGET.log, and the grown corpora in build/fuzz/work/TARGET/ (the
# committed seeds in fuzz/corpus/ are only read).
set -euo pipefail

seconds=${1:-600}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
all_targets="zip_archive inflate_stream jpeg_picture bitmap_picture level_file recorder_file
             level_play config_file set_file progress_file trigger_expression automation_script"
targets=${FUZZ_TARGETS:-$all_targets}

cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${FUZZ_BUILD_JOBS:-2}"

# The longest input each target is given: whole files for the binary formats.
max_len() {
  case "$1" in
    zip_archive | inflate_stream | jpeg_picture | bitmap_picture | level_play | level_file) echo 65536 ;;
    *) echo 4096 ;;
  esac
}

mkdir -p "$build/logs" "$build/findings" "$build/work"
summary=()
for target in $targets; do
  work="$build/work/$target"
  findings="$build/findings/$target/"
  log="$build/logs/$target.log"
  mkdir -p "$work" "$findings"
  cp -n "$root/fuzz/corpus/$target/"* "$work/" 2>/dev/null || true
  options=(-max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10
           -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings")
  [[ -f "$root/fuzz/dict/$target.dict" ]] && options+=(-dict="$root/fuzz/dict/$target.dict")
  echo "== $target: ${seconds}s"
  start=$(date +%s)
  # A finding stops libFuzzer with a non-zero status; the figures are still wanted.
  "$build/fuzz/fuzz_$target" "${options[@]}" "$work" >"$log" 2>&1 || true
  took=$(($(date +%s) - start))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  line=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$line")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$line")
  found=$(find "$findings" -type f | wc -l)
  summary+=("$(printf '%-20s %12s %7ss %7s %7s %8s' "$target" "${execs:-?}" "$took" "${cov:-?}" "${ft:-?}" "$found")")
done

printf '\n%-20s %12s %8s %7s %7s %8s\n' target executions time cov ft findings
printf '%s\n' "${summary[@]}"
