#!/usr/bin/env bash
# Installs the Debian packages Korvane needs to build, run and test.
# Only missing packages are installed; sudo is used when not root.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6 libgl-dev
  libgtest-dev googletest libbenchmark-dev
  python3 python3-fonttools fonts-dejavu-core
  poppler-utils xvfb xauth
  clang libclang-rt-14-dev
  libfluidsynth-dev timgm6mb-soundfont
  desktop-file-utils shared-mime-info
  gstreamer1.0-plugins-good gstreamer1.0-libav
  libxml2-utils musescore3
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "Korvane: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
