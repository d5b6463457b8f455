#!/usr/bin/env bash
# The main job: renders the showcase.
set -euo pipefail
build=${1:-build}
mkdir -p out
"$build"/tools/showcase out/showcase.png
echo "demo: wrote out/showcase.png"
