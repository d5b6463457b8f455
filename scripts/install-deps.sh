#!/usr/bin/env bash
# Installs the Debian packages the project needs and that are missing.
#   scripts/install-deps.sh            build, test and demo packages
#   scripts/install-deps.sh --bench    also the peers the benchmarks compare with
#   scripts/install-deps.sh --valgrind also valgrind (make valgrind)
# As root it runs apt-get; otherwise it prints the command to run.
set -euo pipefail

pkgs=(
  cmake ninja-build g++ make pkg-config git
  clang libclang-rt-14-dev            # libFuzzer and sanitizers for the fuzz targets
  libfreetype-dev libfontconfig-dev fonts-dejavu-core
  libpng-dev libjpeg62-turbo-dev zlib1g-dev libexpat1-dev
  libpcre2-dev                        # regular expressions of the report list's filter
  libx11-dev libxext-dev libxtst-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool xauth x11-utils xclip
  python3                             # the performance page's generator and its test
)
case "${1:-}" in
  --bench) pkgs+=(libcairo2-dev qtbase5-dev) ;;
  --valgrind) pkgs+=(valgrind) ;;
esac

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root:  apt-get install -y ${missing[*]}" >&2
  exit 1
fi
