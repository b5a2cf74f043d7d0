#!/usr/bin/env bash
# Sets up, builds and starts Dorvane with the demo project (or the files given). Without a display
# (or without the editor) it prints the configuration the program folder holds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >&2
if [ -x build/runtime/dorvane ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  if [ $# -eq 0 ]; then
    set -- build/runtime/Project/Demo.kvr
  fi
  exec build/runtime/dorvane "$@"
fi
exec build/runtime/dorvane-cli config "$@"
