#!/usr/bin/env bash
# Runs every test executable of a build, and the showcase programs' renders,
# under valgrind's memcheck. Any memory error, and any block definitely,
# indirectly or possibly lost at exit, fails the run. Each executable runs
# once with all its cases (not once per case as ctest does), which keeps the
# whole suite to minutes. Logs go to <build>/valgrind/<name>.log.
#
#   scripts/valgrind.sh [build] [jobs]
set -euo pipefail
build=${1:-build}
jobs=${2:-$(nproc)}
root=$(cd "$(dirname "$0")/.." && pwd)
if ! command -v valgrind >/dev/null; then
  echo "valgrind: not installed (scripts/install-deps.sh installs it)"; exit 1
fi
out="$build/valgrind"
rm -rf "$out"; mkdir -p "$out" "$build/tests/tmp"

# One command per line: a name, then the program and its arguments.
list="$out/commands.txt"
: >"$list"
for exe in "$build"/tests/test_*; do
  [[ -x "$exe" && ! -d "$exe" ]] || continue
  echo "$(basename "$exe") $exe --gtest_brief=1" >>"$list"
done
[[ -x "$build/tools/showcase" ]] && echo "showcase $build/tools/showcase $out/showcase.png" >>"$list"
[[ -x "$build/tools/showcase_window" ]] &&
  echo "showcase_window $build/tools/showcase_window --host=headless $out/showcase_window.png" >>"$list"
[[ -x "$build/tools/demo_reportlist" ]] &&
  echo "demo_reportlist $build/tools/demo_reportlist $out/reportlist.png" >>"$list"

run_one() {
  local name=$1; shift
  local start=$SECONDS rc=0
  valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
    --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
    --num-callers=40 --suppressions="$VG_ROOT/scripts/valgrind.supp" \
    "$@" >"$VG_OUT/$name.log" 2>&1 || rc=$?
  if [[ $rc -eq 0 ]]; then
    echo "valgrind: $name clean ($((SECONDS - start)) s)"
  else
    echo "valgrind: $name FAILED (exit $rc, log $VG_OUT/$name.log)"
    grep -E '^==[0-9]+== (Invalid|Conditional|Use of|Mismatched|[0-9,]+ bytes in)|FAILED' \
      "$VG_OUT/$name.log" | head -n 20 || true
    return 1
  fi
}
export -f run_one
export VG_ROOT=$root VG_OUT=$out

echo "valgrind: $(wc -l <"$list") programs, $jobs at a time"
if xargs -a "$list" -L 1 -P "$jobs" bash -c 'run_one "$@"' _; then
  echo "valgrind: all programs clean"
else
  echo "valgrind: failures (see the logs above)"; exit 1
fi
