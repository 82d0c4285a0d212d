#!/usr/bin/env bash
# build.sh <release|asan>: configures (once) and builds one configuration into build/<name>.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
config=${1:-release}

case "$config" in
  release) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)    flags=(-DCMAKE_BUILD_TYPE=Debug -DPAVANE_SANITIZE=ON -DPAVANE_BENCH=OFF) ;;
  *) echo "build.sh: unknown configuration '$config' (release or asan)" >&2; exit 2 ;;
esac

"$root/scripts/deps.sh"
dir="$root/build/$config"
# A compiler cache, when the machine has one, makes rebuilds of several checkouts cheap.
if command -v ccache >/dev/null; then
  flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
fi
cmake -S "$root" -B "$dir" -G Ninja -DPAVANE_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
