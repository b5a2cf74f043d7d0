#!/usr/bin/env bash
# Sets up, builds and runs every test; then the Qt-free tests again under ASan and UBSan, and
# builds the libFuzzer programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j "$(nproc)")

if [ "${DORVANE_SKIP_SANITIZE:-0}" != "1" ]; then
  # One cache for every checkout on this machine; paths inside the checkout hash alike.
  export CCACHE_DIR="${CCACHE_DIR:-${HOME:-/root}/.cache/dorvane-ccache}"
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDORVANE_SANITIZE=ON >/dev/null
  fi
  cmake --build build-asan -j "$(nproc)"
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest --output-on-failure -j "$(nproc)" -L core)
  # The libFuzzer programs (clang only) are built, not run: the tests above replay their corpus.
  if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DDORVANE_FUZZ=ON >/dev/null
  fi
  cmake --build build-fuzz -j "$(nproc)" --target fuzz_project fuzz_areas fuzz_bytes fuzz_json
fi
