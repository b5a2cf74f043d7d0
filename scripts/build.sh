#!/usr/bin/env bash
# Installs what is missing and builds everything into build/ (the program folder is
# build/runtime/). Re-running it only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# One cache for every checkout on this machine; paths inside the checkout hash alike.
export CCACHE_DIR="${CCACHE_DIR:-${HOME:-/root}/.cache/dorvane-ccache}"
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
command -v ccache >/dev/null && ccache --max-size=5G >/dev/null 2>&1 || true
cmake --build build -j "$(nproc)"
