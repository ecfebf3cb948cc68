#!/usr/bin/env bash
# Start-up to first frame of the Windows program under Wine, beside the minimal Qt window built
# with the same kit and started the same way: median of N runs each, taking turns, on a private
# Xvfb display with one warm wineserver. Both load Qt from the kit, so the ratio is the program's
# own cost; Wine's start of a process is in both.
#
#   bench/windows/startup.sh [BUILD_DIR] [RUNS]      (defaults: build/windows, 10)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/windows}
runs=${2:-10}
orebell=$build/bin/Orebell_III.exe
minimal=$build/bench/startup/startup_minimal_window.exe
for f in "$orebell" "$minimal"; do
    [ -f "$f" ] || { echo "missing $f: cmake --build --preset windows first" >&2; exit 1; }
done
tools=$(mktemp -d)
trap 'rm -rf "$tools"' EXIT
g++ -O2 bench/startup/first_frame.cpp -o "$tools/first_frame" -lX11

cat >"$tools/inner" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
watcher=$1 runs=$2 launcher=$3; shift 3
median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else printf "%.1f\n", (a[NR/2]+a[NR/2+1])/2}'; }
programs=("$@")
declare -A times
for program in "${programs[@]}"; do
    "$watcher" "$launcher" "$program" >/dev/null 2>&1 || true # a warm prefix, server and file cache
done
for run in $(seq "$runs"); do
    for k in "${!programs[@]}"; do
        program=${programs[$(((k + run) % ${#programs[@]}))]}
        times[$program]+="$("$watcher" "$launcher" "$program" 2>/dev/null) "
    done
done
for program in "${programs[@]}"; do
    printf '%-28s median %7s ms   runs: %s\n' "$(basename "$program")" \
        "$(printf '%s\n' ${times[$program]} | median)" "${times[$program]% }"
done
INNER
chmod +x "$tools/inner"
export WINEPREFIX=$tools/prefix
unset QT_QPA_PLATFORM
xvfb-run -a -n $((300 + RANDOM % 600)) -s "-screen 0 1600x1000x24 -br" \
    "$tools/inner" "$tools/first_frame" "$runs" "$PWD/scripts/windows/wine-run.sh" "$minimal" "$orebell"
wineserver -k 2>/dev/null || true
