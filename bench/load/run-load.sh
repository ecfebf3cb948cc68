#!/usr/bin/env bash
# Whole-process load of the program beside its floor, each under its own Xvfb, median of several
# runs; then, with --drift, the countdown against the wall clock after a long run beside a
# process that keeps one core busy.
#
#   bench/load/run-load.sh [--runs N] [--seconds S] [--drift SECONDS] [--bin DIR] [--tsv FILE]
#
# --tsv also writes the figures as tab-separated rows (what, program, floor, goal) for
# bench/run-all.sh.
# Prints a table of medians. CPU is the process's own user + system time while the timers run;
# peak memory is its maximum resident set (getrusage).
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

field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p"; }
median() { sort -g | awk '{v[NR]=$1} END {if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for i in $(seq "$runs"); do
    with_display "$exe" floor "$seconds" >>"$out/floor" 2>>"$out/stderr"
    with_display "$exe" program "$seconds" >>"$out/program" 2>>"$out/stderr"
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

fcpu=$(field cpu_running_s <"$out/floor" | median)
pcpu=$(field cpu_running_s <"$out/program" | median)
fmem=$(field peak_rss_kib <"$out/floor" | median)
pmem=$(field peak_rss_kib <"$out/program" | median)
ftot=$(field cpu_total_s <"$out/floor" | median)
ptot=$(field cpu_total_s <"$out/program" | median)
lag=$(field drift_ms <"$out/program" | median)

printf '\n%-44s %12s %12s %8s %8s\n' "whole process, ${seconds} s, median of $runs" program floor ratio goal
printf '%-44s %12.3f %12.3f %8.2f %8s\n' "CPU s while the timers run" "$pcpu" "$fcpu" \
    "$(echo "$pcpu / $fcpu" | bc -l)" "<= 1.5"
printf '%-44s %12.3f %12.3f %8.2f %8s\n' "CPU s, whole process (start-up included)" "$ptot" "$ftot" \
    "$(echo "$ptot / $ftot" | bc -l)" ""
printf '%-44s %12d %12d %8.2f %8s\n' "peak resident KiB" "$pmem" "$fmem" "$(echo "$pmem / $fmem" | bc -l)" "<= 1.5"
printf '%-44s %12.1f %12s %8s %8s\n' "countdown drift behind the wall clock, ms" "$lag" "" "" "< 62.5"
{
    printf 'load: CPU s over %s s, 7 lasers + 4 jet cans at 1/16 s (median of %s)\t%s\t%s\t<= 1.5 x floor\n' \
        "$seconds" "$runs" "$pcpu" "$fcpu"
    printf 'load: peak resident KiB\t%s\t%s\t<= 1.5 x floor\n' "$pmem" "$fmem"
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
    printf '%-44s %12s ms (goal < 62.5; laser ticks %s)\n' "countdown drift after ${drift} s" \
        "$(field drift_ms <"$out/drift")" "$(field laser_ticks <"$out/drift")"
    printf 'load: countdown drift behind the wall clock after %s s beside a busy process, ms\t%s\t\t< 62.5\n' \
        "$drift" "$(field drift_ms <"$out/drift")" >>"$tsv"
fi
