#!/usr/bin/env bash
# Installs the build into a scratch prefix (one the loader does not search)
# and proves that the installed package stands on its own:
#  - every installed header compiles on its own, one translation unit per
#    header, with nothing but the installed include folders on the path, and
#    no installed header includes Xlib;
#  - the installed libraries find each other without LD_LIBRARY_PATH;
#  - a program built with find_package(vyrguipack) and one built with
#    pkg-config run without LD_LIBRARY_PATH.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
case "$build" in /*) ;; *) build="$root/$build" ;; esac
work="$build/install-check"
prefix="$work/prefix"
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$prefix" >/dev/null
unset LD_LIBRARY_PATH

fail() { echo "install-check: $*" >&2; exit 1; }

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

# Headers: no Xlib, each one compiles alone.
include="$prefix/include/vyrguipack"
[ -d "$include" ] || fail "no headers installed under $include"
if grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]X11/' "$include"; then
  fail "the headers above include Xlib"
fi
tus="$work/headers"
mkdir -p "$tus/src"
count=0
while IFS= read -r header; do
  rel=${header#"$include"/}
  printf '#include "%s"\n' "$rel" >"$tus/src/$(echo "$rel" | tr '/.' '__').cpp"
  count=$((count + 1))
done < <(find "$include" -name '*.h' | sort)
cat >"$tus/CMakeLists.txt" <<'EOF'
# One translation unit per installed header, compiled against the package.
cmake_minimum_required(VERSION 3.24)
project(vyr_headers CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
find_package(vyrguipack REQUIRED)
file(GLOB units ${CMAKE_SOURCE_DIR}/src/*.cpp)
add_library(headers OBJECT ${units})
target_link_libraries(headers PRIVATE vyr::guipack)
target_compile_options(headers PRIVATE -Wall -Wextra -Wpedantic -Werror)
EOF
cmake -S "$tus" -B "$tus/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" "${launcher[@]}" >/dev/null
cmake --build "$tus/build" >/dev/null || {
  cmake --build "$tus/build" 2>&1 | grep -E 'error|FAILED' | head -20
  fail "an installed header does not compile on its own"
}

# Libraries: each finds what it needs through its run path.
libdir=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib64/pkgconfig" \
         pkg-config --variable=libdir vyrguipack)
for lib in "$libdir"/libvyr*.so; do
  [ -e "$lib" ] || continue
  if ldd "$lib" | grep -q 'not found'; then
    ldd "$lib" | grep 'not found' >&2
    fail "$(basename "$lib") does not find its libraries"
  fi
done

# Programs: find_package and pkg-config.
cmake -S "$root/examples/consumer" -B "$work/consumer" -G Ninja \
  -DCMAKE_PREFIX_PATH="$prefix" "${launcher[@]}" >/dev/null
cmake --build "$work/consumer" >/dev/null
"$work/consumer/consumer"
read -r -a flags <<<"$(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs vyrguipack)"
c++ -o "$work/consumer_pc" "$root/examples/consumer/main.cpp" "${flags[@]}" -Wl,-rpath,"$libdir"
"$work/consumer_pc"
echo "install-check: $count headers compile alone; find_package(vyrguipack) and pkg-config programs run"
