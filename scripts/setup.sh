#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing, then configures
# and builds ZELMARO in build/. Used by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgdal-dev libtbb-dev
  libeigen3-dev)
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

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j "$(nproc)"
