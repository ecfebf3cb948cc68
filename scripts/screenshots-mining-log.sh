#!/usr/bin/env bash
# Takes docs/screenshots/{100,200}/mining-log.png: Orebell under Xvfb with a fresh store and a
# fresh mining log, a short real session driven with xdotool (one laser, then two, Refine twice,
# stop, Reset, one laser again), then F2 and the "Mining log" window alone. Needs Xvfb, xdotool,
# xwininfo and imagemagick, and a built program (default build/dev/bin/Orebell_III).
# Usage: scripts/screenshots-mining-log.sh [program] [display number]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/dev/bin/Orebell_III}")
display=":${2:-96}"
out=$(pwd)/docs/screenshots

work=$(mktemp -d)
folder=$work/program
source scripts/screen-driving.sh
start_session "$display" 2600x1600x24

refine() { button 3; click 2070 3420; button 3; }
reset() { button 3; click 900 3420; button 3; }

take() {
    local dir=$1
    mkdir -p "$dir"
    export XDG_CONFIG_HOME=$work/config-$S XDG_DATA_HOME=$work/data-$S
    start_program
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
    click "$(slot 0)" 2415 # a fourth trip, under way
    sleep 8
    main
    xdotool mousemove $((WX + 20 * S)) $((WY + 80 * S))
    xdotool key F2
    sleep 2
    window '^Mining log$'
    xdotool mousemove 0 0
    sleep 0.5
    import -window root "$work/root.png"
    convert "$work/root.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage -strip "PNG24:$dir/mining-log.png"
    stop_program
}

S=1
take "$out/100"
S=2
take "$out/200"
echo "Mining log screenshots written to $out/100 and $out/200"
