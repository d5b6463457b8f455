#!/usr/bin/env bash
# Runs every benchmark of a benchmark build; each prints its own ratios.
set -euo pipefail
build=${1:-build-bench}
shopt -s nullglob
for exe in "$build"/bench/bench_*; do
  [[ -x "$exe" && ! -d "$exe" ]] || continue
  echo "=== $(basename "$exe")"
  "$exe" --benchmark_min_time=0.2
done
