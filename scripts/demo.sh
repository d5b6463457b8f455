#!/usr/bin/env bash
# The main job: the showcase form (every component on one form, read from
# examples/showcase/showcase.form) in a window when a display is available
# (DISPLAY set), otherwise the showcases rendered to pictures.
set -euo pipefail
build=${1:-build}
mkdir -p out
if [[ -n "${DISPLAY:-}" && -x "$build/tools/showcase_form" ]]; then
  echo "demo: opening the showcase form on $DISPLAY (close it to finish)"
  if "$build"/tools/showcase_form --host=x11; then exit 0; fi
  echo "demo: no window could be opened; rendering pictures instead"
fi
if [[ -x "$build/tools/showcase_form" ]]; then
  "$build"/tools/showcase_form --host=headless out/showcase_form.png
fi
"$build"/tools/showcase out/showcase.png
echo "demo: wrote out/showcase.png"
if [[ -x "$build/tools/showcase_window" ]]; then
  "$build"/tools/showcase_window --host=headless out/showcase_window.png
fi
if [[ -x "$build/tools/demo_reportlist" ]]; then
  "$build"/tools/demo_reportlist out/reportlist.png
fi
