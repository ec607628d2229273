#!/usr/bin/env bash
# Installs what is missing, builds, and starts the ZELMARO desktop program. Arguments
# are passed to the program (a .raw file given here is loaded at start-up).
# Without the desktop program (built with -DZELMARO_BUILD_UI=OFF) it runs the batch
# tool's main job on the bundled example instead and says where the DEM was written.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

if [ -x build/app/zelmaro ]; then
  exec build/app/zelmaro "$@"
fi

out="${TMPDIR:-/tmp}/zelmaro-example"
mkdir -p "$out"
build/cli/zelmaro-cli dilation --raw examples/volcano.raw --table examples/volcano_tab.txt \
  --scale-in m --scale-out m --pixel 10 --out "$out/volcano"
echo "The DEM of the example was written to $out/volcano_m4.raw (described in $out/volcano_m4.txt)."
