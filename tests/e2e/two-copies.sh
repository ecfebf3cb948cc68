#!/usr/bin/env bash
# One copy per user and store, with real processes under Xvfb and openbox: a second start brings
# the running window back from minimised and to the front, ends at once and leaves the store as
# it was, also when started with another TMPDIR, USER or runtime folder; a copy killed outright
# leaves nothing that keeps the next start out; a copy under another file name, or on another
# store (another XDG_CONFIG_HOME), keeps a store of its own and runs beside. Exit 77 (skipped)
# only when a tool is missing.
set -uo pipefail
program=$1
source "$(dirname "$0")/session-common.sh"
need Xvfb openbox xdotool xprop
start_xvfb
start_openbox

home=$work/home
mkdir -p "$home"
start_program first "$home"
first=$pid
first_wid=$wid
snapshot() { find "$home" -printf '%p %s %T@\n' 2>/dev/null | sort; }

xdotool windowminimize "$first_wid"
for _ in $(seq 1 50); do xprop -id "$first_wid" _NET_WM_STATE | grep -q HIDDEN && break; sleep 0.1; done
xprop -id "$first_wid" _NET_WM_STATE | grep -q HIDDEN || fail "the window did not minimise"
before=$(snapshot)

HOME=$home XDG_CONFIG_HOME=$home/.config timeout 20 "$program" >"$work/second.out" 2>"$work/second.err"
status=$?
[ "$status" -eq 0 ] || fail "the second start ended with $status"
[ "$(snapshot)" = "$before" ] || fail "the second start touched the store or the log"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
for _ in $(seq 1 50); do
    ! xprop -id "$first_wid" _NET_WM_STATE | grep -q HIDDEN && [ "$(xdotool getactivewindow 2>/dev/null)" = "$first_wid" ] && break
    sleep 0.1
done
xprop -id "$first_wid" _NET_WM_STATE | grep -q HIDDEN && fail "the first window is still minimised"
[ "$(xdotool getactivewindow 2>/dev/null)" = "$first_wid" ] || fail "the first window is not the active one"
echo "a second start raised the running window and ended without touching the store"

# The lock is the store's, not the environment's: these starts reach the first copy all the same.
mkdir -p "$work/other-tmp" "$work/other-run" && chmod 700 "$work/other-run"
for variation in "TMPDIR=$work/other-tmp" "-u TMPDIR" "USER=miner" "XDG_RUNTIME_DIR=$work/other-run"; do
    before=$(snapshot)
    # shellcheck disable=SC2086 # the variation is two words for env -u
    env $variation HOME="$home" XDG_CONFIG_HOME="$home/.config" timeout 20 "$program" \
        >"$work/variation.out" 2>"$work/variation.err"
    status=$?
    [ "$status" -eq 0 ] || fail "a start with $variation ended with $status"
    [ "$(snapshot)" = "$before" ] || fail "a start with $variation touched the store or the log"
    kill -0 "$first" 2>/dev/null || fail "the first copy ended after a start with $variation"
done
[ "$(xdotool search --onlyvisible --name '^Orebell$' 2>/dev/null | wc -l)" -eq 1 ] ||
    fail "a start in another environment opened a window of its own"
echo "starts with another TMPDIR, no TMPDIR, another USER or runtime folder handed over"

kill -KILL "$first"
wait "$first" 2>/dev/null
start_program third "$home"
kill -0 "$pid" 2>/dev/null || fail "the start after a kill did not stay"
echo "a start after a kill runs"

cp "$program" "$work/Orebell_IV"
HOME=$home XDG_CONFIG_HOME=$home/.config "$work/Orebell_IV" >"$work/other.out" 2>"$work/other.err" &
other=$!
pids+=("$other")
# wait_for_windows <count>: true once that many of the program's windows show.
wait_for_windows() {
    for _ in $(seq 1 100); do
        [ "$(xdotool search --onlyvisible --name '^Orebell$' 2>/dev/null | wc -l)" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
wait_for_windows 2 || fail "a copy under another file name did not open its window beside"
echo "a copy under another file name runs beside"

# Another store of the same user (a second profile) runs beside the copies on the first.
XDG_CONFIG_HOME=$home/.config-second HOME=$home "$program" >"$work/profile.out" 2>"$work/profile.err" &
pids+=($!)
wait_for_windows 3 || fail "a copy on another XDG_CONFIG_HOME did not open its window beside"
echo "a copy on another store runs beside"
