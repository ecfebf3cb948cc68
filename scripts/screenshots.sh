#!/usr/bin/env bash
# Retakes docs/screenshots: Orebell under Xvfb, driven with xdotool as a player would, at 100 and
# 200 per cent (QT_SCALE_FACTOR=2). Needs Xvfb, xdotool, xwininfo and imagemagick, and a built
# program (default build/dev/bin/Orebell_III). Takes about three minutes.
# Usage: scripts/screenshots.sh [program] [display number]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/dev/bin/Orebell_III}")
display=":${2:-97}"
out=$(pwd)/docs/screenshots

work=$(mktemp -d)
# The program folder, a copy, so that the sound paths and the chooser show only the program's files.
folder=${OREBELL_SHOT_FOLDER:-/tmp/orebell}
if [ -e "$folder" ]; then
    echo "$folder is in the way (set OREBELL_SHOT_FOLDER to another new folder)" >&2
    exit 1
fi
source scripts/screen-driving.sh
start_session "$display" 1600x1000x24

# The pointer rests on the window itself, so that no button shows its hover colour.
shot() {
    main
    xdotool mousemove $((WX + 2 * S)) $((WY + WH - 2 * S))
    sleep 0.7
    import -window root "$work/root.png"
    convert "$work/root.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage "$1"
}
keep() { convert "$1" -strip -dither None -colors 256 "PNG8:$2"; }

take() {
    local dir=$1 shots=$work/shots
    mkdir -p "$shots" "$dir"
    export XDG_CONFIG_HOME=$work/config-$S # a store of its own: the first run
    rm -rf "$XDG_CONFIG_HOME"
    start_program
    shot "$shots/first-run.png"

    # A jet can comes due after one minute.
    button 5
    type_in $((255 + 8280 + 270)) $((240 + 600 + 420 * 4 + 127)) 1
    button 5
    button 12
    button 12
    laser 0 "" 30000 1000 60
    laser 1 Scor 12000 900 45
    laser 2 Pyrox 9000 600 30
    type_in 840 2107 "Can A"
    click 427 2107
    type_in 840 2512 B
    click "$(slot 0)" 765
    sleep 4
    shot "$shots/timers-three-lasers.png"

    button 3 # goals, for the progress bars
    for goal in "2 2000" "4 400" "5 12000" "6 30000"; do
        set -- $goal
        type_in $((255 + 8625 + 500)) $((240 + 645 + $1 * 300 + 127)) "$2"
    done
    button 3
    button 4
    shot "$shots/watch-yield.png"
    button 4
    shot "$shots/watch-progress.png"
    button 4
    type_in $((1575 + 630)) $((255 + 2257)) 100 # a small hold: "STOP MINING!"
    sleep 8
    shot "$shots/watch-cargo.png"

    button 2
    click $((255 + 120 + 517)) $((240 + 915 + 270 * 2 + 120)) # lock Pyroxeres
    shot "$shots/calculator.png"
    button 2
    button 3
    shot "$shots/mineral-yield.png"
    button 3
    button 5
    shot "$shots/sound.png"
    click $((255 + 7815 + 180)) $((240 + 600 + 420 + 127)) # the chooser for "Cycle complete"
    sleep 1.5
    import -window root "$work/root.png"
    local mx=$WX my=$WY
    window '^Form1$'
    convert "$work/root.png" -crop "$((WX + WW - mx + 4))x$((WY + WH - my + 4))+$mx+$my" +repage \
        "$shots/chooser.png"
    xdotool mousemove $((WX + (4187 * S * 10 + 75) / 150)) $((WY + (3337 * S * 10 + 75) / 150))
    xdotool click 1
    # With no window manager, where the keyboard focus goes when the chooser closes is a race
    # between the X server and the program: the main window takes it before the next click.
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool windowfocus --sync "$(xdotool search --name '^Orebell$' | head -1)"
    sleep 0.8
    button 8
    shot "$shots/timer-settings.png"
    button 8
    button 0
    shot "$shots/help.png"
    button 0

    main
    click $((WW * 15 / S - 378)) 120 # minimise
    sleep 1
    main
    import -window root "$work/root.png"
    convert "$work/root.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage "$shots/minimised.png"
    stop_program

    for name in timers-three-lasers calculator mineral-yield sound timer-settings help minimised \
        watch-yield watch-progress watch-cargo chooser; do
        keep "$shots/$name.png" "$dir/$name.png"
    done
    [ "$S" = 1 ] && keep "$shots/first-run.png" "$out/first-run.png"
    rm -rf "$shots"
}

S=1
take "$out/100"
S=2
take "$out/200"
echo "Screenshots written to $out"
