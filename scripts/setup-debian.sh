#!/usr/bin/env bash
# Installs the Debian 12 packages Orebell needs, skipping what is present.
#   setup-debian.sh run    only what building and running the program needs
#   setup-debian.sh test   that, plus the test, packaging and screenshot tools and a German locale
#   setup-debian.sh windows  the Windows cross build, Wine for its tests, NSIS for its installer
set -euo pipefail
what=${1:-test}
case "$what" in
  run | test | windows) ;;
  *) echo "usage: $0 [run|test|windows]" >&2; exit 2 ;;
esac
# The program: compiler and build tools, Qt with its platform plugins, audio decoding, the
# mining log's SQLite driver, the xcb headers for global keys, sox for the default sounds, Qt
# Linguist's tools for the translations (qt6-tools-dev holds their CMake package) and Qt's own
# catalogues (the file dialog's buttons).
if [ "$what" = windows ]; then
  packages=(
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64 wine nsis
    cmake ninja-build zip unzip sqlite3 sox xvfb xauth openbox xdotool x11-utils imagemagick
    fonts-dejavu-core qt6-l10n-tools qt6-translations-l10n
  )
else
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev libfontconfig-dev
  qt6-qpa-plugins libsndfile1-dev
  qt6-charts-dev libqt6sql6-sqlite
  libxcb1-dev sox
  gstreamer1.0-plugins-base
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
if [ "$what" = test ]; then
  packages+=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang-format clang libclang-rt-14-dev
    xvfb xauth imagemagick x11-utils
    pulseaudio pulseaudio-utils libsox-fmt-all
    dpkg-dev file locales lintian librsvg2-bin
    weston xwayland qt6-wayland openbox xdotool
    desktop-file-utils appstream groff-base
    fonts-dejavu-core fonts-liberation2 fonts-urw-base35
    fonts-wqy-microhei
  )
fi
fi
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
[ "$what" = test ] || exit 0
# The tests run once more under a German desk (comma decimals); glibc needs the locale generated.
if ! locale -a 2>/dev/null | grep -ix 'de_DE.utf-\?8' >/dev/null; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
