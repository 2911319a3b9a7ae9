#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite in the regular
# build, then the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target over its seeds and for 20 seconds more.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

preset=default
[ "${CI:-}" = "true" ] && preset=ci
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"

cmake --preset asan
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --preset asan

bash scripts/fuzz.sh 20
