#!/usr/bin/env bash
# The main window gets the program's icon just after its first frame, not while it is built: under
# a real X server the window must then carry it at every size the icon offers. Exit 77 (skipped)
# only when a tool is missing.
set -uo pipefail
program=$1
for tool in Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; wait "${pids[i]}" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; tail -20 "$work"/*.err 2>/dev/null; exit 1; }

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

HOME=$work/home XDG_CONFIG_HOME=$work/home/.config "$program" >"$work/program.out" 2>"$work/program.err" &
pids+=($!)
wid=
for _ in $(seq 1 100); do
    wid=$(xdotool search --onlyvisible --name '^Orebell$' 2>/dev/null | head -1)
    [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "$wid" ] || fail "no window"
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
