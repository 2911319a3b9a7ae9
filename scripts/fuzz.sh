#!/usr/bin/env bash
# Builds the fuzz targets and runs each over its seed corpus and then for SECONDS of
# fuzzing (default 20). What the fuzzer finds goes to build/fuzz/corpus/TARGET; the seeds
# in fuzz/corpus stay as they are. A crash, leak, hang or sanitizer report fails the run
# and leaves its input in build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts build/fuzz/logs
for seeds in fuzz/corpus/*/; do
  t="$(basename "$seeds")"
  work="build/fuzz/corpus/$t"
  log="build/fuzz/logs/$t.log"
  mkdir -p "$work"
  echo "== fuzz_$t: seeds, then ${seconds}s"
  if ! UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build/fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$t-" "$work" "$seeds" >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "fuzz_$t failed: the input is in build/fuzz/artifacts, the whole log in $log"
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
done
