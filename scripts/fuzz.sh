#!/usr/bin/env bash
# Runs each fuzz target of build-sanitize/ (built by scripts/setup.sh --sanitize) for
# SECONDS seconds from its seeds in tests/fuzz/corpus, two at a time, and prints for each
# its executions, executions per second and coverage. Exits non-zero on any finding; the
# input that found it is kept in build-sanitize/fuzz-findings/ (add it to the target's
# seeds once the fault is mended). New inputs the fuzzer finds go to a temporary folder,
# removed at the end with everything the targets wrote.
#   scripts/fuzz.sh SECONDS [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?"Usage: scripts/fuzz.sh SECONDS [TARGET...]"}
shift
if [ "$#" -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(cd tests/fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
fi
findings=$PWD/build-sanitize/fuzz-findings
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {
  local target=$1
  mkdir -p "$work/$target/corpus" "$work/$target/tmp"
  # A slow input is a finding too: no input of these small files may take 30 s.
  TMPDIR="$work/$target/tmp" "build-sanitize/tests/fuzz/$target" \
    "$work/$target/corpus" "tests/fuzz/corpus/$target" -max_total_time="$seconds" \
    -timeout=30 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
    >"$work/$target/log" 2>&1
}

summary() {
  local log=$1/log
  local last
  last=$(grep -E '^#[0-9]+[[:space:]]+(DONE|pulse|NEW|REDUCE|INITED)' "$log" | tail -1)
  printf '%-22s %12s runs %8s exec/s  cov %s  ft %s\n' "$2" \
    "$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")" \
    "$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")" \
    "$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")" \
    "$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")"
}

failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pair=("${targets[@]:i:2}")
  pids=()
  for target in "${pair[@]}"; do
    run "$target" &
    pids+=($!)
  done
  for j in "${!pair[@]}"; do
    if ! wait "${pids[$j]}"; then
      echo "FINDING in ${pair[$j]}:"
      tail -n 40 "$work/${pair[$j]}/log"
      failed=1
    fi
    summary "$work/${pair[$j]}" "${pair[$j]}"
  done
done
exit "$failed"
