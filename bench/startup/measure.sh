#!/usr/bin/env bash
# Start-up to first frame, whole process, median of N runs: Orebell_III beside a minimal Qt window,
# each on a fresh settings folder, on a private Xvfb display (1600x1000, plain black root).
#
#   bench/startup/measure.sh [BUILD_DIR] [RUNS]      (defaults: build/release, 10)
#
# With OREBELL_STORE_FILE=<ini> each run starts from a copy of that settings file instead (a
# returning player's full store). Further arguments are other builds' Orebell_III to measure in
# the same runs (e.g. build/before/bin/Orebell_III). The programs take turns run by run, in an
# order that rotates, so a machine that gets busier or quieter halfway weighs on each alike.
#
# Build first: cmake --preset release && cmake --build --preset release \
#   --target Orebell_III startup_minimal_window startup_first_frame
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}
runs=${2:-10}
shift $(($# < 2 ? $# : 2))
watcher=$build/bench/startup/startup_first_frame
minimal=$build/bench/startup/startup_minimal_window
orebell=$build/bin/Orebell_III
for f in "$watcher" "$minimal" "$orebell" "$@"; do
    [ -x "$f" ] || { echo "missing $f: build it first" >&2; exit 1; }
done

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
watcher=$1 runs=$2; shift 2
median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else printf "%.1f\n", (a[NR/2]+a[NR/2+1])/2}'; }
programs=("$@")
declare -A times
for program in "${programs[@]}"; do
    "$watcher" "$program" >/dev/null 2>&1 || true # warm the file cache once
done
for run in $(seq "$runs"); do
    for k in "${!programs[@]}"; do
        program=${programs[$(((k + run) % ${#programs[@]}))]}
        home=$(mktemp -d)
        if [ -n "${OREBELL_STORE_FILE:-}" ]; then
            mkdir -p "$home/config/Orebell" && cp "$OREBELL_STORE_FILE" "$home/config/Orebell/Orebell_III.ini"
        fi
        times[$program]+="$(HOME=$home XDG_CONFIG_HOME=$home/config "$watcher" "$program" 2>/dev/null) "
        rm -rf "$home"
    done
done
for program in "${programs[@]}"; do
    name=$(basename "$program")
    [ "$name" = Orebell_III ] && [ "$program" != "${programs[1]}" ] && name=$program
    printf '%-28s median %7s ms   runs: %s\n' "$name" \
        "$(printf '%s\n' ${times[$program]} | median)" "${times[$program]% }"
done
INNER
chmod +x "$inner"
# A display number of its own: other sessions on this machine may run Xvfb too.
xvfb-run -a -n $((300 + RANDOM % 600)) -s "-screen 0 1600x1000x24 -br" "$inner" "$watcher" "$runs" "$minimal" "$orebell" "$@"
