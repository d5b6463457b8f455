#!/usr/bin/env bash
# Builds the benchmark build as `make bench` does (Release, warnings as
# warnings), runs every benchmark program with VYR_BENCH_RECORD set and
# writes the performance page from their records.
#   scripts/perf-report.sh [build folder] [page]
# defaults: build-bench and docs/performance.md. JOBS and CMAKE_ARGS are
# taken from the environment as the Makefile passes them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
out=${2:-docs/performance.md}

# Taken first: the machine is shared, and the figures depend on its load.
load=$(cut -d' ' -f1-3 /proc/loadavg)
started=$(date -u '+%Y-%m-%d %H:%M UTC')

# shellcheck disable=SC2086  # CMAKE_ARGS holds several words
cmake -S . -B "$build" -G Ninja -DVYR_BUILD_BENCH=ON -DVYR_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release -DVYR_WERROR=OFF ${CMAKE_ARGS:-}
cmake --build "$build" -j "${JOBS:-$(nproc)}" 2>&1 | tee "$build/perf-build.log"
warnings=$(grep -c 'warning:' "$build/perf-build.log" || true)

records=$build/perf-records.tsv
machine=$build/perf-machine.tsv
: >"$records"
: >"$machine"
shopt -s nullglob
failed=()
for exe in "$build"/bench/bench_*; do
  [[ -x "$exe" && ! -d "$exe" ]] || continue
  echo "=== $(basename "$exe")"
  status=0
  VYR_BENCH_RECORD=$PWD/$records "$exe" --benchmark_min_time=0.2 || status=$?
  ((status == 0)) || failed+=("$(basename "$exe") (exit $status)")
done

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
{
  printf 'CPU\t%s\n' "$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
  printf 'Cores\t%s online, %s available to the run\n' "$(getconf _NPROCESSORS_ONLN)" "$(nproc)"
  printf 'Memory\t%s\n' "$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
  printf 'Kernel\t%s\n' "$(uname -sr)"
  printf 'Compiler\t%s\n' "$("$(cache CMAKE_CXX_COMPILER)" --version | head -1)"
  printf 'Build type\t%s\n' "$(cache CMAKE_BUILD_TYPE)"
  printf 'Peers\tCairo %s, Qt %s\n' "$(pkg-config --modversion cairo 2>/dev/null || echo absent)" \
    "$(pkg-config --modversion Qt5Core 2>/dev/null || echo absent)"
  printf 'Date\t%s\n' "$started"
  printf 'Git commit\t%s\n' "$(git describe --always --dirty 2>/dev/null || echo unknown)"
  printf 'Load average at the start\t%s (1, 5 and 15 minutes)\n' "$load"
  for f in "${failed[@]}"; do printf 'failed\t%s\n' "$f"; done
} >"$machine"

python3 scripts/perf_report.py "$records" "$machine" "$out"
echo "wrote $out ($(wc -l <"$records") figures; $warnings compiler warnings in this build step)"
((${#failed[@]} == 0)) || { echo "did not finish: ${failed[*]}" >&2; exit 1; }
