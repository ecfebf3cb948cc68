#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, as ctest's emulator and by hand:
#   scripts/windows/wine-run.sh build/windows/bin/Orebell_III.exe [arguments]
# Each run of the suite shares one private Wine prefix (created on first use) and one wineserver,
# with the kit's Qt and MinGW's runtime on the program's path.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=kit-version.sh
. "$here/kit-version.sh"
kit=${OREBELL_WINDOWS_KIT:-$HOME/.cache/orebell/windows-kit-$OREBELL_KIT_VERSION}

export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/orebell/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Mono or Gecko: the programs need neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

winpath() { local p=${1//\//\\}; echo "Z:$p"; }
runtime_dirs=("$kit/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
path=""
for d in "${runtime_dirs[@]}"; do path+="$(winpath "$d");"; done
export WINEPATH="$path${WINEPATH:-}"
export QT_PLUGIN_PATH=$(winpath "$kit/plugins")
# Qt's offscreen platform, which the tests use, reads fonts from one folder rather than from the
# system: the DejaVu faces the Linux tests see too.
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$(winpath /usr/share/fonts/truetype/dejavu)}

# The prefix is made once; parallel tests wait for the first to finish making it.
if [ ! -f "$WINEPREFIX/.orebell-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.orebell-ready" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.orebell-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# A wineserver that stays up spares each test program the server's start.
wineserver -p 600 </dev/null >/dev/null 2>&1 || true

# The first program of a session starts the session's own processes (services, explorer), which
# inherit that program's output and hold it open as long as the session lasts: a caller that
# reads to the end of the output, as ctest does when it lists a program's tests, would wait for
# minutes. So the output goes through files, which those processes may keep, and is passed on
# when the program ends.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
run_once() {
  wine "$@" <&0 >"$out" 2>"$err" &
  program=$!
  trap 'kill "$program" 2>/dev/null' INT TERM
  status=0
  while :; do
    wait "$program" && status=0 || status=$?
    kill -0 "$program" 2>/dev/null || break # a signal only interrupted the wait
  done
}
run_once "$@"
# Wine itself failing to start the program (its server going away as the program connects, seen
# once in a few thousand starts) is not the program's failure: such a start, which printed nothing
# of the program's and only Wine's own complaint, is tried once more.
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && grep -q '^wine\( client error\)\?[: ]' "$err"; then
  cat "$err" >&2
  wineserver -p 600 </dev/null >/dev/null 2>&1 || true
  run_once "$@"
fi
cat "$out"
cat "$err" >&2
exit "$status"
