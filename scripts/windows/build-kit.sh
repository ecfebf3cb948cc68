#!/usr/bin/env bash
# Builds the kit Orebell needs to be cross-compiled for 64-bit Windows: Qt 6.4.2 (Core, Gui,
# Widgets, Network, Sql with its SQLite driver, Test, the windows and offscreen platform plugins
# and the windows style; Charts), SQLite, libsndfile (WAV only) and GoogleTest, all for
# x86_64-w64-mingw32 with posix threads, shared and release, from Debian's source packages.
#
#   scripts/windows/build-kit.sh [--charts-source qtcharts-everywhere-src-6.4.2.tar.xz] [--jobs N]
#
# The kit lands in $OREBELL_WINDOWS_KIT (default ~/.cache/orebell/windows-kit-<version>); called
# again with the kit complete, it returns at once. An interrupted build resumes at the step it
# was in. Debian does not serve Qt Charts 6.4.2: give upstream's tarball of the v6.4.2 tag (or
# set OREBELL_QTCHARTS_SOURCE). Sound goes through the Windows audio API on Windows, so Qt
# Multimedia is not part of the kit.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=kit-version.sh
. "$repo/scripts/windows/kit-version.sh"
kit=${OREBELL_WINDOWS_KIT:-$HOME/.cache/orebell/windows-kit-$OREBELL_KIT_VERSION}
work=${OREBELL_WINDOWS_KIT_WORK:-$kit.work}
charts=${OREBELL_QTCHARTS_SOURCE:-$repo/../shared/windows/qtcharts-everywhere-src-6.4.2.tar.xz}
jobs=2

while [ $# -gt 0 ]; do
  case "$1" in
    --charts-source) charts=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
    *) echo "build-kit: unknown option $1" >&2; exit 2 ;;
  esac
done

if [ -f "$kit/.complete" ]; then
  echo "build-kit: the kit is ready in $kit"
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

install_packages() {
  local packages=(mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                  cmake ninja-build perl tcl xz-utils dpkg-dev
                  qt6-base-dev qt6-base-dev-tools googletest)
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# apt-get source needs a deb-src entry; add one beside the deb entry when none is configured.
ensure_deb_src() {
  if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  echo "build-kit: adding a deb-src entry for Debian's sources"
  "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/orebell-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  "${sudo_cmd[@]}" apt-get update -qq
}

# Runs a step once: its stamp marks it done, so a rerun after a failure starts where it stopped.
step() {
  local name=$1; shift
  [ -f "$work/stamps/$name" ] && return
  echo "build-kit: $name ($(date +%T))"
  "$@"
  touch "$work/stamps/$name"
}

fetch_sources() {
  [ -f "$charts" ] || { echo "build-kit: no Qt Charts source at $charts (give --charts-source)" >&2; exit 1; }
  ensure_deb_src
  mkdir -p "$work/src"
  # apt-get source unpacks and applies Debian's patches (its security fixes among them).
  (cd "$work/src" && apt-get source -qq qt6-base sqlite3 libsndfile >/dev/null)
  tar -C "$work/src" -xf "$charts"
}

src_dir() { find "$work/src" -maxdepth 1 -type d -name "$1" | head -1; }

mingw_cmake() {
  cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$kit" "$@"
}

# SQLite as one static library, from the amalgamation that its own build makes on the host.
build_sqlite() {
  local src; src=$(src_dir 'sqlite3-*')
  local b="$work/build-sqlite"
  mkdir -p "$b" "$kit/include" "$kit/lib"
  (cd "$b" && "$src/configure" --quiet >/dev/null && make -s sqlite3.c >/dev/null)
  x86_64-w64-mingw32-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_DQS=0 -DSQLITE_ENABLE_COLUMN_METADATA \
    -c "$b/sqlite3.c" -o "$b/sqlite3.o"
  x86_64-w64-mingw32-gcc-ar-posix rcs "$kit/lib/libsqlite3.a" "$b/sqlite3.o"
  cp "$b/sqlite3.h" "$b/sqlite3ext.h" "$kit/include/"
}

build_qtbase() {
  local src; src=$(src_dir 'qt6-base-*')
  mingw_cmake -S "$src" -B "$work/build-qtbase" \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_openssl=OFF \
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON \
    -DSQLite3_INCLUDE_DIR="$kit/include" -DSQLite3_LIBRARY="$kit/lib/libsqlite3.a" \
    -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF \
    -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF -DFEATURE_sql_ibase=OFF
  cmake --build "$work/build-qtbase" --parallel "$jobs"
  cmake --install "$work/build-qtbase" >/dev/null
}

build_sndfile() {
  local src; src=$(src_dir 'libsndfile-*')
  mingw_cmake -S "$src" -B "$work/build-sndfile" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF \
    -DBUILD_REGTEST=OFF -DENABLE_EXTERNAL_LIBS=OFF -DENABLE_MPEG=OFF -DENABLE_CPACK=OFF \
    -DINSTALL_MANPAGES=OFF -DENABLE_PACKAGE_CONFIG=ON >/dev/null
  cmake --build "$work/build-sndfile" --parallel "$jobs"
  cmake --install "$work/build-sndfile" >/dev/null
}

build_googletest() {
  mingw_cmake -S /usr/src/googletest -B "$work/build-googletest" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$work/build-googletest" --parallel "$jobs"
  cmake --install "$work/build-googletest" >/dev/null
}

build_qtcharts() {
  local src; src=$(src_dir 'qtcharts-everywhere-src-*')
  cmake -G Ninja -S "$src" -B "$work/build-qtcharts" \
    -DCMAKE_TOOLCHAIN_FILE="$kit/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$kit" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  cmake --build "$work/build-qtcharts" --parallel "$jobs"
  cmake --install "$work/build-qtcharts" >/dev/null
}

# What the program never loads stays out of the kit.
trim_kit() {
  rm -rf "$kit/doc" "$kit/share/doc" "$kit/share/man"
}

started=$(date +%s)
mkdir -p "$work/stamps" "$kit"
step packages install_packages
step sources fetch_sources
step sqlite build_sqlite
step qtbase build_qtbase
step sndfile build_sndfile
step googletest build_googletest
step qtcharts build_qtcharts
trim_kit
touch "$kit/.complete"
echo "build-kit: the kit is ready in $kit ($(du -sh "$kit" | cut -f1), $(( ($(date +%s) - started) / 60 )) min)"
echo "build-kit: the sources and build folders in $work may be removed"
