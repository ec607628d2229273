#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing, then configures
# and builds ZELMARO in build/. Used by run.sh and test.sh; further arguments go to cmake.
#
# scripts/setup.sh --sanitize [cmake options] builds instead, in build-sanitize/, the
# whole program and its tests with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# and the fuzz targets of tests/fuzz with libFuzzer; clang and its runtimes are
# installed for that build only.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgdal-dev libtbb-dev
  libeigen3-dev)
build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  shift
  packages+=(clang libclang-rt-14-dev)
  build=build-sanitize
  # The benchmarks time the fast algorithms; under the sanitizers they would time nothing.
  options+=(-DCMAKE_CXX_COMPILER=clang++ -DZELMARO_SANITIZE=ON -DZELMARO_FUZZ=ON
    -DZELMARO_BUILD_BENCH=OFF)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B "$build" "${options[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
