#!/usr/bin/env bash
# The main window gets the program's icon just after its first frame, not while it is built: under
# a real X server the window must then carry it at every size the icon offers. Exit 77 (skipped)
# only when a tool is missing.
set -uo pipefail
program=$1
source "$(dirname "$0")/session-common.sh"
need Xvfb xdotool xprop
start_xvfb

mkdir -p "$work/home"
start_program program "$work/home"
icon=
for _ in $(seq 1 50); do
    icon=$(xprop -id "$wid" _NET_WM_ICON 2>/dev/null)
    grep -q 'Icon (128 x 128)' <<<"$icon" && break
    sleep 0.1
done
for size in 16 32 48 64 128; do
    grep -q "Icon ($size x $size)" <<<"$icon" || fail "the window has no ${size}x$size icon: $(head -c 200 <<<"$icon")"
done
echo "the window carries its icon at 16, 32, 48, 64 and 128 pixels"
