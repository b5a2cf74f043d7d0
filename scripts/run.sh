#!/usr/bin/env bash
# Sets up, builds and starts Dorvane. Until the editor exists this prints the configuration the
# program folder holds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >&2
if [ -x build/runtime/dorvane ]; then
  exec build/runtime/dorvane "$@"
fi
exec build/runtime/dorvane-cli config "$@"
