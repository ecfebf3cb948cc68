#!/usr/bin/env bash
# Dragging the title under a real X server: with a window manager (openbox) the window system
# moves the window; without one the program's own move does. Either way the window follows the
# mouse and the place it went to is what the program saves. Exit 77 (skipped) only when a tool
# is missing.
set -uo pipefail
program=$1
source "$(dirname "$0")/session-common.sh"
need Xvfb openbox xdotool xprop
start_xvfb

position() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }

# drag <name>: start the program, drag its title by (+200, +120) pixels, end it orderly and
# check that it saved the place it moved to.
drag() {
    local name=$1 home=$work/home-$1
    mkdir -p "$home"
    start_program "$name" "$home"
    read -r x0 y0 < <(position "$wid")
    xdotool mousemove --window "$wid" 60 8 mousedown 1
    for _ in $(seq 1 10); do xdotool mousemove_relative -- 20 12; sleep 0.05; done
    xdotool mouseup 1
    sleep 0.5
    read -r x1 y1 < <(position "$wid")
    echo "$name: window from $x0,$y0 to $x1,$y1"
    [ $((x1 - x0)) -ge 150 ] && [ $((x1 - x0)) -le 250 ] && [ $((y1 - y0)) -ge 80 ] && [ $((y1 - y0)) -le 160 ] ||
        fail "$name: the window did not follow a drag of 200,120"
    kill -TERM "$pid"; wait "$pid" 2>/dev/null
    local ini=$home/.config/Orebell/Orebell_III.ini xpos ypos
    xpos=$(sed -n '/^\[frmOrebell\]/,/^\[/s/^Xpos=//p' "$ini")
    ypos=$(sed -n '/^\[frmOrebell\]/,/^\[/s/^Ypos=//p' "$ini")
    # The saved place is the window's own, within a pixel (15 twips) of where it shows.
    [ -n "$xpos" ] && [ -n "$ypos" ] || fail "$name: no position saved"
    [ $(( ${xpos%.*} / 15 - x1 )) -ge -1 ] && [ $(( ${xpos%.*} / 15 - x1 )) -le 1 ] &&
        [ $(( ${ypos%.*} / 15 - y1 )) -ge -1 ] && [ $(( ${ypos%.*} / 15 - y1 )) -le 1 ] ||
        fail "$name: saved $xpos,$ypos twips for a window at $x1,$y1 px"
}

drag bare # no window manager: the program's own move

start_openbox
drag managed # the window manager moves it
echo "drag: the window follows the title and saves where it went, with and without a window manager"
