#!/usr/bin/env bash
# The main job: builds the project and runs what a person can look at today.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" release
# The outside libraries the plug-in loads by name.
export PAVANE_LIBRARY_PATH="$root/build/release/outside"
exec "$root/build/release/tools/pavane-env" "$root/sample/installation" "$root/build/run/installation" \
  "$root/build/release/PAVANEC.so"
