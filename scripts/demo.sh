#!/usr/bin/env bash
# The main job: the interactive showcase in a window when a display is
# available (DISPLAY set), otherwise the showcases rendered to pictures.
set -euo pipefail
build=${1:-build}
mkdir -p out
if [[ -n "${DISPLAY:-}" && -x "$build/tools/showcase_window" ]]; then
  echo "demo: opening the showcase window on $DISPLAY (close it to finish)"
  if "$build"/tools/showcase_window --host=x11; then exit 0; fi
  echo "demo: no window could be opened; rendering pictures instead"
fi
"$build"/tools/showcase out/showcase.png
echo "demo: wrote out/showcase.png"
if [[ -x "$build/tools/showcase_window" ]]; then
  "$build"/tools/showcase_window --host=headless out/showcase_window.png
fi
if [[ -x "$build/tools/demo_reportlist" ]]; then
  "$build"/tools/demo_reportlist out/reportlist.png
fi
