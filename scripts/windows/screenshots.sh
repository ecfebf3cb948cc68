#!/usr/bin/env bash
# Screenshots of the Windows program under Wine at 96 and 192 DPI (100 and 200 per cent) into
# docs/screenshots/windows/<dpi>/: the first window, the help (F1) and the mining log (F2) beside
# it, on a 1920x1080 Xvfb with openbox. A fresh prefix and store of its own each time.
#   scripts/windows/screenshots.sh [BUILD_DIR]      (default: build/windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "${1:-build/windows}" && pwd)
repo=$PWD
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix
run() { "$repo/scripts/windows/wine-run.sh" "$@"; }

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
run wineboot >/dev/null 2>&1

window() { # waits for a window whose name matches, prints its id
  for _ in $(seq 150); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
    sleep 0.2
  done
  return 1
}

for dpi in 96 192; do
  out=docs/screenshots/windows/$dpi
  mkdir -p "$out"
  run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  run reg delete 'HKCU\Software\VB and VBA Program Settings\Orebell_III' /f >/dev/null 2>&1 || true
  run "$build/bin/Orebell_III.exe" >/dev/null 2>&1 &
  program=$!
  main=$(window '^Orebell$')
  sleep 2
  import -window root "$out/first-run.png"
  xdotool windowactivate --sync "$main" key F1
  sleep 1
  import -window root "$out/help.png"
  xdotool windowactivate --sync "$main" key F1 key F2
  window '^Mining log$' >/dev/null
  sleep 2
  import -window root "$out/mining-log.png"
  xdotool windowactivate --sync "$main" key ctrl+q
  wait "$program" || true
done
echo "screenshots in docs/screenshots/windows/96 and /192"
