#!/usr/bin/env bash
# Copies beside a Windows program every DLL it and its modules and plugins load that Windows
# itself does not provide: Qt's, MinGW's runtime, whatever those load in turn.
#   deploy-dlls.sh FOLDER SEARCH_DIR...
# A DLL found neither in the search folders nor among the system's own (Wine's list of them) is
# an error, so a package never ships without something it needs.
set -euo pipefail
folder=$1; shift
search=("$@")
objdump=x86_64-w64-mingw32-objdump
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows

imports() { "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: \(.*\)$/\1/p'; }
# The file named (whatever its case) in a folder, if there is one.
find_in() { find "$1" -maxdepth 1 -type f -iname "$2" -print -quit 2>/dev/null; }

queue=()
while IFS= read -r -d '' f; do queue+=("$f"); done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
missing=0
declare -A seen
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}; queue=("${queue[@]:1}")
  for dll in $(imports "$file"); do
    key=${dll,,}
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    [ -n "$(find_in "$folder" "$dll")" ] && continue
    found=""
    for dir in "${search[@]}"; do
      found=$(find_in "$dir" "$dll")
      [ -n "$found" ] && break
    done
    if [ -n "$found" ]; then
      cp "$found" "$folder/"
      queue+=("$folder/$(basename "$found")")
    elif [ -z "$(find_in "$system_dlls" "$dll")" ] && [[ $key != api-ms-* && $key != ext-ms-* ]]; then
      echo "deploy-dlls: $dll, loaded by $(basename "$file"), is nowhere to be found" >&2
      missing=1
    fi
  done
done
exit $missing
