#!/usr/bin/env bash
# Makes the Windows packages from a build of the windows preset:
#   scripts/windows/package.sh [build/windows]
# build/windows/package/Orebell-<version>-windows-x64.zip: the program folder, to unpack and run;
# build/windows/package/Orebell-<version>-setup.exe: the NSIS installer (per user or all users).
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$repo/build/windows}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
out="$build/package"
stage="$out/Orebell"

rm -rf "$out"
mkdir -p "$out"
cmake --install "$build" --prefix "$stage" >/dev/null

# The uninstaller's list: every file and folder installed, deepest first.
files="$out/files.nsh"
(
  cd "$stage"
  find . -type f | sed 's|^\./||; s|/|\\|g' | sort | sed 's|^\(.*\)$|  Delete "$INSTDIR\\\1"|'
  find . -mindepth 1 -type d | sed 's|^\./||; s|/|\\|g' | sort -r | sed 's|^\(.*\)$|  RMDir "$INSTDIR\\\1"|'
) > "$files"

(cd "$out" && zip -qr "Orebell-$version-windows-x64.zip" Orebell)
(cd "$repo/resources/windows" &&
  makensis -V2 -DVERSION="$version" -DSOURCE="$stage" -DFILES="$files" \
    -DOUTFILE="$out/Orebell-$version-setup.exe" installer.nsi)
ls -la "$out"/*.zip "$out"/*.exe
