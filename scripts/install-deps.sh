#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Mechík need.
# Packages already present are skipped, so a second run costs a few milliseconds.
# Usage: scripts/install-deps.sh [run|test]
set -euo pipefail

mode="${1:-run}"

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev file
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  fonts-dejavu-core
  libgsf-1-dev libglib2.0-dev libzip-dev
  qt6-multimedia-dev libfluidsynth-dev fluid-soundfont-gm timgm6mb-soundfont
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
)
if [ "$mode" = test ]; then
  packages+=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libreoffice-calc-nogui python3-xlrd python3-mido
    clang libclang-rt-dev
    poppler-utils
    gcovr
    clang-format
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
