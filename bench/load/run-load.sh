#!/usr/bin/env bash
# Whole-process load of the program beside its floors, each under its own Xvfb, median of several
# runs; then, with --drift, the countdown against the wall clock after a long run beside a
# process that keeps one core busy.
#
#   bench/load/run-load.sh [--runs N] [--seconds S] [--drift SECONDS] [--bin DIR] [--tsv FILE]
#
# Each run measures, one after another:
#   timers      seven stock labels on seven 62 ms timers, each number changing once a second
#               (mostly timer wake-ups)
#   work        the same labels with a number that changes on every tick: the least visible work
#               the program does at 1/16 s
#   work-staggered  the work floor with its timers started 9 ms apart, as the lasers of the
#               staggered run fall: the floor that run is measured against
#   program     seven lasers and four jet-can clocks at 1/16 s
#   program-1s  the same at the "1 Second" option
#   staggered   the program at 1/16 s with the lasers started about a second apart, as a player
#               clicks them, so their ticks fall at seven moments of each 1/16 s (the other
#               program runs start them at once); then the same at each other refresh option
#               (1/8, 1/4, 1/2 s and "1 Second"), for how late ticks start behind their due times
#   ktimer      when installed: KDE's countdown tool with seven running countdowns, on a session
#               bus of its own (dbus-run-session)
# CPU is the process's own user + system time while the timers run, from three seconds after
# they start, past every contender's start-up (getrusage; for ktimer the scheduler's nanosecond
# count of all its threads); peak memory is its maximum resident set, start-up and exit included.
# --tsv also writes the figures as tab-separated rows (what, program, beside, goal) for
# bench/run-all.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=3
seconds=60
drift=0
bin=build/release/bin
tsv=/dev/null
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --drift) drift=$2; shift 2 ;;
    --bin) bin=$2; shift 2 ;;
    --tsv) tsv=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
exe=$bin/orebell_load
[ -x "$exe" ] || { echo "no $exe: build the release preset first" >&2; exit 1; }
ktimer=$(command -v ktimer || true)
if [ -n "$ktimer" ] && ! command -v dbus-run-session >/dev/null; then
    echo "ktimer needs dbus-run-session (Debian package dbus): left out" >&2
    ktimer=
fi

out=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$out"
}
trap cleanup EXIT

# A display of our own for each run, so runs never share an X server.
with_display() {
    local n=$((90 + RANDOM % 400))
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
    local xpid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    DISPLAY=":$n" QT_QPA_PLATFORM=xcb "$@" || { kill "$xpid"; wait "$xpid" 2>/dev/null; return 1; }
    kill "$xpid"
    wait "$xpid" 2>/dev/null || true
}

# CPU seconds of a process so far, all its threads, from the scheduler's nanosecond counts.
cpu_of() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%.4f", ns / 1e9}'; }

# ktimer with seven countdowns of an hour each, running, in a settings folder of its own; prints
# one line of figures like orebell_load's.
run_ktimer() {
    local config
    config=$(mktemp -d)
    {
        printf '[Jobs]\nNumber=7\n'
        for j in 0 1 2 3 4 5 6; do
            printf '\n[Job%d]\nCommand=true\nConsecutive=false\nDelay=3600\nLoop=false\nOneInstance=true\nState=2\n' "$j"
        done
    } >"$config/ktimerrc"
    XDG_CONFIG_HOME=$config dbus-run-session -- "$ktimer" >/dev/null 2>&1 &
    local session=$! pid=
    for _ in $(seq 100); do
        pid=$(pgrep -P "$session" -x ktimer || true)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    [ -n "$pid" ] || { echo "ktimer did not start" >&2; kill "$session" 2>/dev/null; rm -rf "$config"; return 1; }
    sleep 3 # past its start-up
    local before after
    before=$(cpu_of "$pid")
    sleep "$seconds"
    after=$(cpu_of "$pid")
    local peak
    peak=$(awk '/VmHWM/ {print $2}' /proc/"$pid"/status)
    local running
    running=$(grep -c '^State=2' "$config/ktimerrc" || true)
    kill "$pid" 2>/dev/null || true
    wait "$session" 2>/dev/null || true
    rm -rf "$config"
    echo "ktimer cpu_running_s=$(printf "%.4f" "$(echo "$after - $before" | bc -l)") peak_rss_kib=$peak jobs_configured=$running"
}

field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p"; }
median() { sort -g | awk '{v[NR]=$1} END {if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
ratio() { echo "$1 / $2" | bc -l; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
staggered=(program-staggered program-staggered-125 program-staggered-250 program-staggered-500 program-staggered-1s)
modes=(timers work work-staggered program program-1s "${staggered[@]}" program-presses)
for i in $(seq "$runs"); do
    for mode in "${modes[@]}"; do
        with_display "$exe" "$mode" "$seconds" >>"$out/$mode" 2>>"$out/stderr"
    done
    if [ -n "$ktimer" ]; then
        with_display run_ktimer >>"$out/ktimer" 2>>"$out/stderr" || true
    fi
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

cpu() { field cpu_running_s <"$out/$1" | median; }
mem() { field peak_rss_kib <"$out/$1" | median; }
tcpu=$(cpu timers)
wcpu=$(cpu work)
wscpu=$(cpu work-staggered)
pcpu=$(cpu program)
scpu=$(cpu program-1s)
gcpu=$(cpu program-staggered)
tmem=$(mem timers)
pmem=$(mem program)
lag=$(field drift_ms <"$out/program" | median)

printf '\n%-56s %10s %10s %8s %8s\n' "whole process, ${seconds} s, median of $runs" program beside ratio goal
row() { printf '%-56s %10s %10s %8.2f %8s\n' "$1" "$2" "$3" "$(ratio "$2" "$3")" "$4"; }
row "CPU s at 1/16 s beside the work floor" "$pcpu" "$wcpu" "<= 0.6"
row "CPU s at 1/16 s beside the timers floor" "$pcpu" "$tcpu" "<= 2.6"
row "work floor CPU s beside the timers floor" "$wcpu" "$tcpu" ""
row "CPU s at 1/16 s, lasers started apart, beside the work floor" "$gcpu" "$wcpu" ""
row "the same beside the work floor's timers started apart" "$gcpu" "$wscpu" "<= 0.6"
waits() { field gui_waits_per_s <"$out/$1" | median; }
printf '%-56s %10s %10s %10s %10s\n' "GUI thread wake-ups a second: timers work program staggered" \
    "$(waits timers)" "$(waits work)" "$(waits program)" "$(waits program-staggered)"
if [ -s "$out/ktimer" ]; then
    kcpu=$(cpu ktimer)
    row "CPU s at the \"1 Second\" option beside ktimer (7 running)" "$scpu" "$kcpu" "<= 1.0"
    row "peak resident KiB beside ktimer" "$pmem" "$(mem ktimer)" ""
else
    printf '%-56s %10s %10s %8s %8s\n' "CPU s at the \"1 Second\" option (ktimer not installed)" "$scpu" "" "" ""
fi
row "peak resident KiB beside the timers floor" "$pmem" "$tmem" "<= 1.2"
printf '%-56s %10s %10s %8s %8s\n' "countdown drift behind the wall clock, ms" "$lag" "" "" "< 62.5"
# How late a tick starts behind its due time: the worst of every run, and the medians of the
# runs' 99th percentiles and medians.
worst() { field "$2" <"$out/$1" | sort -g | tail -1; }
printf '\n%-56s %10s %10s %10s %8s\n' "tick lateness behind its due time, ms" worst p99 median goal
late_row() {
    printf '%-56s %10s %10s %10s %8s\n' "$1" "$(worst "$2" late_worst_ms)" \
        "$(field late_p99_ms <"$out/$2" | median)" "$(field late_median_ms <"$out/$2" | median)" "< 15"
}
late_row "1/16 s, lasers and jet cans started at once" program
late_row "\"1 Second\", lasers and jet cans started at once" program-1s
for mode in "${staggered[@]}"; do
    case $mode in
    program-staggered) option="1/16 s" ;;
    program-staggered-125) option="1/8 s" ;;
    program-staggered-250) option="1/4 s" ;;
    program-staggered-500) option="1/2 s" ;;
    program-staggered-1s) option="\"1 Second\"" ;;
    esac
    late_row "$option, lasers started a second apart" "$mode"
done
printf '%-56s %10s %10s %10s %8s\n' "1/16 s, lasers apart, a JET pressed every 237 ms" \
    "$(worst program-presses late_worst_ms)" "$(field late_p99_ms <"$out/program-presses" | median)" \
    "$(field late_median_ms <"$out/program-presses" | median)" "< 5"
{
    printf 'load: CPU s over %s s at 1/16 s, 7 lasers + 4 jet cans, beside the work floor (median of %s)\t%s\t%s\t<= 0.6 x\n' \
        "$seconds" "$runs" "$pcpu" "$wcpu"
    printf 'load: the same beside the timers floor\t%s\t%s\t<= 2.6 x\n' "$pcpu" "$tcpu"
    printf 'load: CPU s at 1/16 s with the lasers started a second apart, beside the work floor\t%s\t%s\t\n' \
        "$gcpu" "$wcpu"
    printf 'load: the same beside the work floor with its timers started 9 ms apart\t%s\t%s\t<= 0.6 x\n' \
        "$gcpu" "$wscpu"
    if [ -s "$out/ktimer" ]; then
        printf 'load: CPU s over %s s at the "1 Second" option beside ktimer with 7 countdowns\t%s\t%s\t<= 1.0 x\n' \
            "$seconds" "$scpu" "$kcpu"
    else
        printf 'load: CPU s over %s s at the "1 Second" option (ktimer not installed)\t%s\t\t\n' "$seconds" "$scpu"
    fi
    printf 'load: peak resident KiB beside the timers floor\t%s\t%s\t<= 1.2 x\n' "$pmem" "$tmem"
    printf 'load: worst tick lateness with a JET pressed every 237 ms, ms\t%s\t\t< 5\n' \
        "$(worst program-presses late_worst_ms)"
    for mode in program program-1s "${staggered[@]}"; do
        printf 'load: worst tick lateness behind its due time, %s, ms\t%s\t\t< 15\n' "$mode" \
            "$(worst "$mode" late_worst_ms)"
    done
} >>"$tsv"

if [ "$drift" -gt 0 ]; then
    sh -c 'while :; do :; done' &
    pids+=($!)
    echo
    echo "drift run: ${drift} s beside a busy process; load average $(cut -d' ' -f1-3 /proc/loadavg)"
    with_display "$exe" program "$drift" >"$out/drift" 2>>"$out/stderr"
    kill "${pids[-1]}"
    echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
    cat "$out/drift"
    printf '%-56s %10s ms (goal < 62.5; laser ticks %s)\n' "countdown drift after ${drift} s" \
        "$(field drift_ms <"$out/drift")" "$(field laser_ticks <"$out/drift")"
    printf 'load: countdown drift behind the wall clock after %s s beside a busy process, ms\t%s\t\t< 62.5\n' \
        "$drift" "$(field drift_ms <"$out/drift")" >>"$tsv"
fi
