#!/usr/bin/env bash
# Makes the Windows icon (resources/windows/orebell.ico, committed) from resources/orebell.svg:
# every size Explorer and the task bar ask for. Run it after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sizes=(16 24 32 48 64 256)
for s in "${sizes[@]}"; do
  rsvg-convert -w "$s" -h "$s" resources/orebell.svg -o "$tmp/$s.png"
done
pngs=()
for s in "${sizes[@]}"; do pngs+=("$tmp/$s.png"); done
convert "${pngs[@]}" resources/windows/orebell.ico
