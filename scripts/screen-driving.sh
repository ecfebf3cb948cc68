# Sourced by the screenshot scripts: a copy of the built program (with its modules, sounds and
# help) in a folder of its own, an X server, and xdotool gestures given in the window's own
# lengths, twips. The caller sets program, work and folder.
xvfb=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work" "$folder"
}
trap cleanup EXIT

# start_session <display> <size>: the program's folder filled and a screen of that size.
start_session() {
    local from
    from=$(dirname "$program")
    mkdir -p "$folder"
    cp "$from"/*.wav "$from"/Help*.rtf "$program" "$folder/"
    cp "$from"/*.so "$folder/" 2>/dev/null || true # the parts loaded at first use
    cp -r "$from"/translations "$folder/" 2>/dev/null || true
    Xvfb "$1" -screen 0 "$2" >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$1
    sleep 1
}

# start_program [options]: the copy, from its own folder, at the scale S.
start_program() {
    if [ "$S" = 1 ]; then unset QT_SCALE_FACTOR; else export QT_SCALE_FACTOR=$S; fi
    (cd "$folder" && exec ./Orebell_III "$@" >/dev/null 2>&1) &
    app=$!
    sleep 3
}
stop_program() {
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=""
}

S=1
WX=0 WY=0 WW=0 WH=0
window() { # the geometry of a window by its title, in screen pixels
    local id
    id=$(xdotool search --name "$1" | head -1)
    eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "WX="$4} /Absolute upper-left Y/{print "WY="$4}
                                       /Width:/{print "WW="$2} /Height:/{print "WH="$2}')"
}
main() { window '^Orebell$'; }
# Lengths on the window are twips, 15 to a pixel at 100 per cent.
at() { main; xdotool mousemove $((WX + ($1 * S * 10 + 75) / 150)) $((WY + ($2 * S * 10 + 75) / 150)); sleep 0.15; }
click() { at "$1" "$2"; xdotool click 1; sleep 0.3; }
type_in() { click "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 30 "$3"; xdotool key Tab; sleep 0.3; }
# The button column, top down, by button index.
declare -A row=([0]=1 [1]=0 [2]=4 [3]=5 [4]=6 [5]=2 [8]=3 [11]=9 [12]=7 [13]=8)
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
