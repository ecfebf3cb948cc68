#!/usr/bin/env bash
# Takes docs/screenshots/{100,200}/mining-log.png: Orebell under Xvfb with a fresh store and a
# fresh mining log, a short real session driven with xdotool (one laser, then two, Refine twice,
# stop, Reset), then F2 and the "Mining log" window alone. Needs Xvfb, xdotool, xwininfo and
# imagemagick, and a built program (default build/dev/bin/Orebell_III).
# Usage: scripts/screenshots-mining-log.sh [program] [display number]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/dev/bin/Orebell_III}")
display=":${2:-96}"
out=$(pwd)/docs/screenshots

work=$(mktemp -d)
folder=$work/program
xvfb=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$folder"
cp "$(dirname "$program")"/*.wav "$(dirname "$program")"/Help.rtf "$program" "$folder/"
Xvfb "$display" -screen 0 2600x1600x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1

S=1
WX=0 WY=0 WW=0 WH=0
window() {
    local id
    id=$(xdotool search --name "$1" | head -1)
    eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "WX="$4} /Absolute upper-left Y/{print "WY="$4}
                                       /Width:/{print "WW="$2} /Height:/{print "WH="$2}')"
}
main() { window '^Orebell$'; }
at() { main; xdotool mousemove $((WX + ($1 * S * 10 + 75) / 150)) $((WY + ($2 * S * 10 + 75) / 150)); sleep 0.15; }
click() { at "$1" "$2"; xdotool click 1; sleep 0.3; }
type_in() { click "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 30 "$3"; xdotool key Tab; sleep 0.3; }
declare -A row=([3]=5 [12]=7)
button() { click 127 $((270 + ${row[$1]} * 270 + 127)); }
slot() { echo $((2970 + 1320 * $1 + 547)); }
laser() { # slot, the start of an ore's name, units, m3 per cycle, seconds per cycle
    if [ -n "$2" ]; then
        click "$(slot "$1")" 435
        xdotool type --delay 60 "$2"
        sleep 0.3
        xdotool key Return
        sleep 0.4
    fi
    type_in "$(slot "$1")" 765 "$3"
    type_in "$(slot "$1")" 3112 "$4"
    type_in "$(slot "$1")" 3442 "$5"
    click "$(slot "$1")" 2415
}
refine() { button 3; click 2070 3420; button 3; }
reset() { button 3; click 900 3420; button 3; }

take() {
    local dir=$1
    mkdir -p "$dir"
    export XDG_CONFIG_HOME=$work/config-$S XDG_DATA_HOME=$work/data-$S
    if [ "$S" = 1 ]; then unset QT_SCALE_FACTOR; else export QT_SCALE_FACTOR=$S; fi
    (cd "$folder" && exec ./Orebell_III >/dev/null 2>&1) &
    app=$!
    sleep 3
    laser 0 "" 30000 1000 60
    sleep 8
    refine # the first trip; the laser mines on into the second
    button 12
    laser 1 Scor 12000 900 45
    sleep 12
    refine
    sleep 5
    click "$(slot 0)" 2415 # both lasers stop
    click "$(slot 1)" 2415
    reset
    main
    xdotool mousemove $((WX + 20 * S)) $((WY + 80 * S))
    xdotool key F2
    sleep 2
    window '^Mining log$'
    xdotool mousemove 0 0
    sleep 0.5
    import -window root "$work/root.png"
    convert "$work/root.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage -strip "PNG24:$dir/mining-log.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=""
}

S=1
take "$out/100"
S=2
take "$out/200"
echo "Mining log screenshots written to $out/100 and $out/200"
