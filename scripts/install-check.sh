#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds a small consumer with
# find_package(vyrguipack) and with pkg-config, proving the installed package works.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$root/$build/install-check/prefix"
rm -rf "$root/$build/install-check"
cmake --install "$build" --prefix "$prefix" >/dev/null
cmake -S "$root/examples/consumer" -B "$root/$build/install-check/consumer" -G Ninja \
  -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$root/$build/install-check/consumer" >/dev/null
LD_LIBRARY_PATH="$prefix/lib:${LD_LIBRARY_PATH:-}" "$root/$build/install-check/consumer/consumer"
PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs vyrguipack >/dev/null
echo "install-check: find_package(vyrguipack) and pkg-config work"
