#!/usr/bin/env bash
# Installs the Debian 12 packages Orebell needs to build, run and test, skipping what is present.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev
  qt6-qpa-plugins libsndfile1-dev
  qt6-charts-dev libqt6sql6-sqlite
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-format clang libclang-rt-14-dev
  xvfb xauth imagemagick x11-utils
  pulseaudio pulseaudio-utils sox libsox-fmt-all
  gstreamer1.0-plugins-base
  dpkg-dev file
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
