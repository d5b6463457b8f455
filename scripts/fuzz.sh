#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given number of seconds,
# starting from its seeds in fuzz/corpus/<name>/ (copied, so runs never
# change the committed seeds). Any crash, leak or sanitizer report fails, and
# so does a run past its memory limits. The image readers keep to a memory
# budget whatever the bytes declare, so their targets get 512 MB resident
# and 512 MB in one allocation; the text readers' targets grow past 350 MB
# under the sanitizers in a minute and keep the wider 2048 MB.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "fuzz: no targets built"; exit 0
fi
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
  echo "fuzz: $name for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    "$exe" "${dict[@]}" -max_total_time="$seconds" "${limits[@]}" -timeout=20 \
      -artifact_prefix="$work/artifacts/" -print_final_stats=0 "$work/corpus" \
      >"$work/log.txt" 2>&1 || { tail -n 60 "$work/log.txt"; echo "fuzz: $name FAILED"; exit 1; }
done
echo "fuzz: all targets clean"
