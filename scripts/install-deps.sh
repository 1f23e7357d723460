#!/usr/bin/env bash
# Installs the Debian packages Kinemo needs to build, run and test. Safe to run again.
set -euo pipefail
# libqt6opengl6-dev: the CMake package of Qt Charts asks for Qt6OpenGL, which
# qt6-charts-dev does not pull in.
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev libpugixml-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev liblua5.4-dev
  fonts-noto-cjk xvfb xauth
  clang poppler-utils
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
