#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with. Quiet and quick when
# everything is already there; runs apt-get update at most once.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n qt6-svg-dev libqt6svg6
  libfreetype-dev libfontconfig-dev libsqlite3-dev sqlite3
  fonts-nanum fonts-liberation2
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  libmodbus-dev python3-pymodbus python3-serial
  imagemagick srecord poppler-utils
  clang libclang-rt-14-dev
  xvfb xauth valgrind
  help2man desktop-file-utils libxml2-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq >/dev/null
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
