#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for SECONDS each (default 600),
# one after the other, starting from the seeds in fuzz/corpus/TARGET and
# growing a working corpus beside the binaries, and prints one line per
# target: runs, runs per second, corpus entries and whether it found a crash.
# Crash inputs are left in BUILD_DIR/fuzz/TARGET_findings/. Exits 1 when a
# target found something.
#
#   scripts/fuzz-soak.sh [SECONDS] [BUILD_DIR]    # BUILD_DIR: build-test
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
build=${2:-build-test}
[ -d "$build/fuzz" ] || { echo "fuzz-soak: no fuzz targets in $build (configure with -DVQ_FUZZ=ON)" >&2; exit 2; }
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}

found=0
printf '%-16s %12s %10s %8s  %s\n' target runs exec/s corpus result
for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  binary=$build/fuzz/$name
  [ -x "$binary" ] || { echo "fuzz-soak: $binary not built" >&2; exit 2; }
  corpus=$build/fuzz/${name}_corpus
  findings=$build/fuzz/${name}_findings
  log=$build/fuzz/${name}_soak.log
  mkdir -p "$corpus" "$findings"
  result=clean
  if ! "$binary" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=1024 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds" >"$log" 2>&1; then
    result="FOUND (see $log)"
    found=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-16s %12s %10s %8s  %s\n' "$name" "${runs:-?}" "${rate:-?}" \
    "$(find "$corpus" -type f | wc -l)" "$result"
done
exit "$found"
