#!/usr/bin/env bash
# Installs the Debian 12 packages Orebell needs to build, run and test, skipping what is present.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev libfontconfig-dev
  qt6-qpa-plugins libsndfile1-dev
  qt6-charts-dev libqt6sql6-sqlite
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-format clang libclang-rt-14-dev
  xvfb xauth imagemagick x11-utils libxcb1-dev
  pulseaudio pulseaudio-utils sox libsox-fmt-all
  gstreamer1.0-plugins-base
  dpkg-dev file locales
  weston xwayland qt6-wayland openbox xdotool
  desktop-file-utils appstream groff-base
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The tests run once more under a German desk (comma decimals); glibc needs the locale generated.
if ! locale -a 2>/dev/null | grep -ix 'de_DE.utf-\?8' >/dev/null; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
