#!/usr/bin/env bash
# Installs what is missing and builds everything into build/ (the program folder is
# build/runtime/). Re-running it only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$PWD/.cache/ccache}"
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j "$(nproc)"
