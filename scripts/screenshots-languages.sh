#!/usr/bin/env bash
# Takes docs/screenshots/<language>/: Orebell under Xvfb at 100 per cent in each of its
# translations, with a fresh store and mining log: two lasers running after two trips (main.png),
# the Sound panel (sound.png) and F2's "Mining log" window (mining-log.png). Needs Xvfb, xdotool,
# xwininfo, imagemagick and a CJK font, and a built program (default build/dev/bin/Orebell_III).
# Usage: scripts/screenshots-languages.sh [program] [display number] [language...]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/dev/bin/Orebell_III}")
display=":${2:-95}"
out=$(pwd)/docs/screenshots

work=$(mktemp -d)
# The program folder, a copy, so that the sound paths show only the program's files.
folder=${OREBELL_SHOT_FOLDER:-/tmp/orebell}
if [ -e "$folder" ]; then
    echo "$folder is in the way (set OREBELL_SHOT_FOLDER to another new folder)" >&2
    exit 1
fi
source scripts/screen-driving.sh
start_session "$display" 1600x1000x24

# Each step waits for the window to settle: a click on a panel still being swapped can miss.
refine() { button 3; click 2070 3420; button 3; sleep 1; }
# The window's picture: the pointer rests on the window, so that no button shows its hover colour.
shot() {
    main
    xdotool mousemove $((WX + 2)) $((WY + WH - 2))
    sleep 0.7
    import -window root "$work/root.png"
    convert "$work/root.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage -strip -dither None -colors 256 "PNG8:$1"
}

# take <language> <the log window's title there>
take() {
    local dir=$out/$1
    mkdir -p "$dir"
    export XDG_CONFIG_HOME=$work/config-$1 XDG_DATA_HOME=$work/data-$1
    start_program --language "$1"
    sleep 3 # the first start of a language loads its fonts (CJK) before the window takes clicks
    laser 0 "" 30000 1000 60
    sleep 6
    refine # the first trip; the laser mines on into the second
    button 12
    sleep 1
    laser 1 Scor 12000 900 45
    sleep 6
    refine
    sleep 2
    shot "$dir/main.png"
    button 5
    shot "$dir/sound.png"
    button 5
    main
    xdotool mousemove $((WX + 20)) $((WY + 80))
    xdotool key F2
    sleep 2
    window "^$2\$"
    xdotool mousemove 0 0
    sleep 0.5
    import -window root "$work/root.png"
    convert "$work/root.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage -strip "PNG24:$dir/mining-log.png"
    stop_program
}

declare -A logTitle=([de]="Abbauprotokoll" [fr]="Journal de minage" [ru]="Журнал добычи"
                     [es]="Registro de minería" [zh_CN]="采矿日志")
shift $(($# < 2 ? $# : 2))
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(de fr ru es zh_CN)
for language in "${languages[@]}"; do
    take "$language" "${logTitle[$language]}"
done
echo "Screenshots written to $out/ for ${languages[*]}"
