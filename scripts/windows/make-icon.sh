#!/usr/bin/env bash
# Makes the Windows icon (resources/windows/orebell.ico) and the installer's pictures
# (resources/windows/installer-welcome.bmp, installer-header.bmp), all committed, from
# resources/orebell.svg: every icon size Explorer and the task bar ask for, and the bitmaps NSIS's
# Modern UI shows at its size (164x314 beside the welcome and finish pages, 150x57 in the header
# of the others). Run it after changing the SVG.
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

# NSIS reads uncompressed 24-bit BMPs (BMP3): no alpha, so the icon is laid on a background.
rsvg-convert -w 128 -h 128 resources/orebell.svg -o "$tmp/welcome.png"
convert -size 164x314 xc:'#31292f' "$tmp/welcome.png" -geometry +18+72 -composite \
  -type truecolor BMP3:resources/windows/installer-welcome.bmp
rsvg-convert -w 48 -h 48 resources/orebell.svg -o "$tmp/header.png"
convert -size 150x57 xc:white "$tmp/header.png" -geometry +96+4 -composite \
  -type truecolor BMP3:resources/windows/installer-header.bmp
