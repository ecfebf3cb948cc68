#!/usr/bin/env bash
# Builds the .deb from a build folder, unpacks it into a scratch root, starts the installed
# program under Xvfb and checks that its window appears.
set -euo pipefail
build=${1:-build/dev}
cd "$(dirname "$0")/.."
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
(cd "$build" && cpack -G DEB -B "$root/pkg" >/dev/null)
deb=$(ls "$root"/pkg/*.deb)
info=$(dpkg-deb --info "$deb")
grep -q "Package: orebell" <<<"$info"
dpkg-deb -x "$deb" "$root/fs"
for f in usr/lib/orebell/Orebell_III usr/lib/orebell/Help.rtf usr/lib/orebell/tick1.wav \
         usr/share/applications/orebell.desktop usr/share/icons/hicolor/scalable/apps/orebell.svg; do
    [ -e "$root/fs/$f" ] || { echo "package lacks $f"; exit 1; }
done
export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" XDG_RUNTIME_DIR="$root/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" & pid=$!
    for _ in $(seq 1 50); do
        if xwininfo -root -tree | grep -q "Orebell"; then kill $pid; wait $pid 2>/dev/null; exit 0; fi
        sleep 0.2
    done
    kill $pid 2>/dev/null; echo "the installed program showed no window"; exit 1
' _ "$root/fs/usr/lib/orebell/Orebell_III"
echo "package test: $(basename "$deb") installs and its window appears"
