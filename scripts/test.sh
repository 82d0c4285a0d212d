#!/usr/bin/env bash
# The test command: builds the release and the sanitizer configurations and runs every test in both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

for config in release asan; do
  echo "== $config"
  "$root/scripts/build.sh" "$config"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build/$config" --output-on-failure -j "$(nproc)"
done
