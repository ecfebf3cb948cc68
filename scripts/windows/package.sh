#!/usr/bin/env bash
# Makes the Windows packages from a build of the windows preset:
#   scripts/windows/package.sh [build/windows]
# build/windows/package/Orebell-<version>-windows-x64.zip: the program folder, to unpack and run;
# build/windows/package/Orebell-<version>-setup.exe: the NSIS installer (per user or all users);
# build/windows/package/Orebell-<version>-windows-x64-symbols.zip: the debug symbols of both.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$repo/build/windows}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
out="$build/package"
stage="$out/Orebell"

rm -rf "$out"
mkdir -p "$out"
cmake --install "$build" --prefix "$stage" >/dev/null

# The kit's and MinGW's DLLs come with their debug sections (libstdc++ alone is 24 MB of them):
# the staged copies are stripped, never the kit's. The symbols go beside the packages, one
# .debug file per binary, which gdb finds through the link left in each.
symbols="$out/symbols"
while IFS= read -r -d '' binary; do
  rel=${binary#"$stage"/}
  mkdir -p "$symbols/$(dirname "$rel")"
  x86_64-w64-mingw32-objcopy --only-keep-debug "$binary" "$symbols/$rel.debug"
  x86_64-w64-mingw32-strip --strip-unneeded "$binary"
  (cd "$symbols/$(dirname "$rel")" && x86_64-w64-mingw32-objcopy --add-gnu-debuglink="$(basename "$rel").debug" "$binary")
done < <(find "$stage" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)

# The uninstaller's lists: every file installed; what of them is left after the deletes (counted,
# the first few named); every folder, deepest first.
files="$out/files.nsh"
(
  cd "$stage"
  list=$(find . -type f | sed 's|^\./||; s|/|\\|g' | sort)
  echo '!macro OREBELL_DELETE_FILES'
  sed 's|^\(.*\)$|  Delete "$INSTDIR\\\1"|' <<<"$list"
  echo '!macroend'
  echo '!macro OREBELL_COUNT_LEFT COUNT NAMES'
  sed 's|^\(.*\)$|  ${If} ${FileExists} "$INSTDIR\\\1"\n    IntOp ${COUNT} ${COUNT} + 1\n    ${If} ${COUNT} <= 5\n      StrCpy ${NAMES} "${NAMES}$\\r$\\n  \1"\n    ${EndIf}\n  ${EndIf}|' <<<"$list"
  echo '!macroend'
  echo '!macro OREBELL_REMOVE_FOLDERS'
  find . -mindepth 1 -type d | sed 's|^\./||; s|/|\\|g' | sort -r | sed 's|^\(.*\)$|  RMDir "$INSTDIR\\\1"|'
  echo '!macroend'
) > "$files"

(cd "$out" && zip -qr "Orebell-$version-windows-x64.zip" Orebell)
(cd "$symbols" && zip -qr "$out/Orebell-$version-windows-x64-symbols.zip" .)
(cd "$repo/resources/windows" &&
  makensis -V2 -DVERSION="$version" -DSOURCE="$stage" -DFILES="$files" \
    -DOUTFILE="$out/Orebell-$version-setup.exe" installer.nsi)
ls -la "$out"/*.zip "$out"/*.exe
