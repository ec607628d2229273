#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every
# test; then builds the whole suite again with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize/) and runs every test there; then runs
# each fuzz target for 30 seconds from its seeds. Any failure or finding fails the run.
# GUI tests run on Qt's offscreen platform: no display is needed. The time of each
# stage is printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

times=()
report() {
  echo "Stage times:"
  printf '  %s\n' "${times[@]}"
}
trap report EXIT
stage() {
  local name=$1 start=$SECONDS
  shift
  echo "=== $name"
  if ! "$@"; then
    times+=("$(printf '%-40s %5d s  FAILED' "$name" $((SECONDS - start)))")
    exit 1
  fi
  times+=("$(printf '%-40s %5d s' "$name" $((SECONDS - start)))")
}

stage "Build (g++, warnings as errors)" scripts/setup.sh -DZELMARO_WERROR=ON
stage "Tests" ctest --test-dir build --output-on-failure -j "$(nproc)"
stage "Build with the sanitizers (clang)" scripts/setup.sh --sanitize -DZELMARO_WERROR=ON
stage "Tests with the sanitizers" ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
stage "Fuzzing, 30 s per target" scripts/fuzz.sh 30
