#!/usr/bin/env bash
# The program on a Wayland session: a headless weston with XWayland. Without a platform chosen
# it must go through XWayland and say so once; with QT_QPA_PLATFORM=wayland, or with no X server
# to reach, its window must come up natively. Exit 77 (skipped) only when a tool is missing.
set -uo pipefail
program=$1
source "$(dirname "$0")/session-common.sh"
need weston Xwayland xwininfo

export XDG_RUNTIME_DIR=$work/run HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
# XWayland's socket folder; a fresh machine may not have it yet.
[ -d /tmp/.X11-unix ] || { mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix; }
unset QT_QPA_PLATFORM XDG_SESSION_TYPE DISPLAY WAYLAND_DISPLAY WAYLAND_DEBUG

socket=orebell-e2e-$$
weston --backend=headless-backend.so --xwayland --use-pixman --idle-time=0 \
    --socket="$socket" --log="$work/weston.log" >/dev/null 2>&1 &
pids+=($!)
xdisplay=
for _ in $(seq 1 100); do
    xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null)
    [ -n "$xdisplay" ] && break
    sleep 0.1
done
[ -n "$xdisplay" ] || { cat "$work/weston.log"; fail "weston did not start XWayland"; }

# start <name> <env...>: the program in its own environment, stderr kept in <name>.err.
start() {
    local name=$1; shift
    env "$@" "$program" >"$work/$name.out" 2>"$work/$name.err" &
    pids+=($!)
    echo $! >"$work/$name.pid"
}
# waitFor <seconds> <command...>: until the command succeeds.
waitFor() {
    local tries=$(($1 * 5)); shift
    for _ in $(seq 1 "$tries"); do "$@" && return 0; sleep 0.2; done
    return 1
}
stop() { local pid; pid=$(cat "$work/$1.pid"); kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; true; }
xWindow() { xwininfo -display "$xdisplay" -root -tree 2>/dev/null | grep -q '"Orebell": ("Orebell_III" "Orebell_III")'; }
# With WAYLAND_DEBUG the client logs its requests: a toplevel titled Orebell that was given a
# buffer and committed is a window on the screen.
waylandWindow() {
    grep -q 'xdg_toplevel@[0-9]*\.set_title("Orebell")' "$work/$1.err" &&
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/$1.err"
}
notices() { grep -c 'Wayland session, running through XWayland' "$work/$1.err"; }
noKeys() { grep -c 'global keys cannot be grabbed on a native Wayland session' "$work/$1.err"; }

# 1. A Wayland session as GNOME and KDE start it: both displays set, no platform chosen.
start chosen WAYLAND_DISPLAY="$socket" DISPLAY="$xdisplay"
waitFor 20 xWindow || fail "no X11 window through XWayland without QT_QPA_PLATFORM"
[ "$(notices chosen)" = 1 ] || fail "the XWayland choice was not said exactly once on stderr"
[ "$(noKeys chosen)" = 0 ] || fail "global keys were said to be missing on XWayland, where they are grabbed"
stop chosen

# 2. The user asks for native Wayland.
start native WAYLAND_DISPLAY="$socket" DISPLAY="$xdisplay" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
waitFor 20 waylandWindow native || fail "no native Wayland window with QT_QPA_PLATFORM=wayland"
[ "$(notices native)" = 0 ] || fail "a platform the user chose was overridden"
xWindow && fail "the native window appeared on XWayland"
waitFor 10 test "$(noKeys native)" = 1 || fail "native Wayland did not say once that it has no global keys"
stop native

# 3. Only WAYLAND_DISPLAY: no X server to reach, so native Wayland rather than a failing xcb.
start waylandOnly WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client
waitFor 20 waylandWindow waylandOnly || fail "no window with only WAYLAND_DISPLAY set"
[ "$(notices waylandOnly)" = 0 ] || fail "XWayland was announced without an X server"
waitFor 10 grep -q 'XWayland, which this session does not offer' "$work/waylandOnly.err" ||
    fail "without an X server the global keys advice is not what works: $(cat "$work/waylandOnly.err")"
grep -q 'QT_QPA_PLATFORM=xcb' "$work/waylandOnly.err" && fail "xcb was advised without an X server"
stop waylandOnly

# 4. Only WAYLAND_DISPLAY and xcb asked for: a message and status 1, not an abort.
env WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>"$work/xcbOnly.err"
rc=$?
[ "$rc" = 1 ] || fail "xcb without an X server exited $rc: $(cat "$work/xcbOnly.err")"
grep -q 'DISPLAY is not set' "$work/xcbOnly.err" || fail "xcb without an X server: $(cat "$work/xcbOnly.err")"
echo "wayland session: XWayland chosen and announced once; native Wayland windows come up and say once that they have no global keys"
