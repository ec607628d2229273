#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and runs every
# test. GUI tests run on Qt's offscreen platform: no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DZELMARO_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
