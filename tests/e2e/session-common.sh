# Sourced by the end-to-end scripts: a scratch folder, processes ended in reverse order on exit,
# a failure report with the tail of every *.err log, and an X server (and window manager) of the
# script's own. Exit 77 (skipped) only when a tool is missing.

# need <tool>...: skip the whole script when one is not installed.
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
}

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; wait "${pids[i]}" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; for f in "$work"/*.err; do [ -f "$f" ] && { echo "--- $f"; tail -20 "$f"; }; done; exit 1; }

# start_xvfb: a display of our own (Xvfb picks a free number), for Qt's xcb platform only.
start_xvfb() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -1 "$work/display")"
    unset WAYLAND_DISPLAY XDG_SESSION_TYPE
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# start_program <name> <home>: the program under test ($program) with a home of its own, its
# output in <name>.out and .err; waits for its window and sets pid and wid.
pid=
wid=
start_program() {
    HOME=$2 XDG_CONFIG_HOME=$2/.config "$program" >"$work/$1.out" 2>"$work/$1.err" &
    pid=$!
    pids+=($pid)
    wid=
    for _ in $(seq 1 100); do
        wid=$(xdotool search --onlyvisible --name '^Orebell$' 2>/dev/null | head -1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || fail "$1: no window"
    sleep 0.5 # let the window manager place it
}

# start_openbox: a window manager on that display, waited for until it has taken over.
start_openbox() {
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}
