#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build, starting from its seeds in
# fuzz/corpus/<name>/ (copied, so runs never change the committed seeds).
#
#   scripts/fuzz.sh [build] [seconds]          each target for the given time;
#                                              stops at the first report
#   scripts/fuzz.sh --campaign [build] [runs] [max-seconds]
#                                              each target for the given number
#                                              of executions (default one
#                                              million), optionally cut off
#                                              after max-seconds; goes on
#                                              through all targets, prints per
#                                              target the executions done and
#                                              the time, and fails at the end
#                                              if any target reported
#
# Any crash, leak or sanitizer report fails, and so does a run past its
# memory limits. The image readers keep to a memory budget whatever the bytes
# declare, so their targets get 512 MB resident and 512 MB in one
# allocation; the text readers' targets grow past 350 MB under the
# sanitizers in a minute and keep the wider 2048 MB. A target's findings are
# left in <build>/fuzz-work/<name>/artifacts/.
set -euo pipefail
campaign=0
if [[ ${1:-} == --campaign ]]; then campaign=1; shift; fi
build=${1:-build-fuzz}
if (( campaign )); then
  runs=${2:-1000000}
  max_seconds=${3:-0}
else
  seconds=${2:-10}
fi
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "fuzz: no targets built"; exit 0
fi

# Executions libFuzzer reports in a log: the final count when it printed
# one, else the last progress line's.
executions() {
  local n
  n=$(grep -a -o 'stat::number_of_executed_units: *[0-9]*' "$1" | tail -n 1 | grep -o '[0-9]*$' || true)
  [[ -n $n ]] || n=$(grep -a -o '^#[0-9]*' "$1" | tail -n 1 | tr -d '#' || true)
  echo "${n:-0}"
}

failed=()
for exe in "${targets[@]}"; do
  [[ -x "$exe" && ! -d "$exe" ]] || continue
  name=$(basename "$exe"); name=${name#fuzz_}
  work="$build/fuzz-work/$name"
  rm -rf "$work"; mkdir -p "$work/corpus" "$work/artifacts"
  if [[ -d "$root/fuzz/corpus/$name" ]]; then
    cp -r "$root/fuzz/corpus/$name/." "$work/corpus/" 2>/dev/null || true
  fi
  dict=()
  [[ -f "$root/fuzz/$name.dict" ]] && dict=(-dict="$root/fuzz/$name.dict")
  case $name in
    bmp|png|jpeg) limits=(-rss_limit_mb=512 -malloc_limit_mb=512) ;;
    *) limits=(-rss_limit_mb=2048) ;;
  esac
  if (( campaign )); then
    length=(-runs="$runs" -max_total_time="$max_seconds" -print_final_stats=1)
  else
    echo "fuzz: $name for ${seconds}s"
    length=(-max_total_time="$seconds" -print_final_stats=0)
  fi
  start=$SECONDS
  status=0
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    "$exe" "${dict[@]}" "${length[@]}" "${limits[@]}" -timeout=20 \
      -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log.txt" 2>&1 || status=$?
  if (( ! campaign )); then
    (( status == 0 )) || { tail -n 60 "$work/log.txt"; echo "fuzz: $name FAILED"; exit 1; }
    continue
  fi
  result=clean
  if (( status != 0 )); then
    result="FAILED (exit $status, see $work/log.txt)"
    failed+=("$name")
    tail -n 40 "$work/log.txt"
  fi
  printf 'fuzz: %-16s %10s executions in %6ss  %s\n' "$name" "$(executions "$work/log.txt")" \
    $((SECONDS - start)) "$result"
done
if (( ${#failed[@]} )); then
  echo "fuzz: reports from ${failed[*]}"; exit 1
fi
echo "fuzz: all targets clean"
