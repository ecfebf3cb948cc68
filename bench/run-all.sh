#!/usr/bin/env bash
# Builds the release preset's benchmarks and runs them all: every Google Benchmark program under
# build/release/bench (median of several repetitions), the whole-process load benchmark and the
# start-up benchmark when there is one. Prints one table.
#
#   bench/run-all.sh [--repetitions N] [--load-runs N] [--load-seconds S] [--drift SECONDS]
#
# The machine is shared: the load average is printed with the table, and CPU time is the figure
# to compare where waiting for a core would blur the wall-clock one.
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions=5
load_runs=3
load_seconds=60
drift=0
while [ $# -gt 0 ]; do
    case "$1" in
    --repetitions) repetitions=$2; shift 2 ;;
    --load-runs) load_runs=$2; shift 2 ;;
    --load-seconds) load_seconds=$2; shift 2 ;;
    --drift) drift=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done

cmake --preset release >/dev/null
cmake --build --preset release --target bench/all Orebell_III

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
rows=$out/rows.tsv
: >"$rows"
echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"

# Google Benchmark programs, wherever a bench folder put them.
while IFS= read -r program; do
    grep -q -a -e libbenchmark -e benchmark_filter "$program" || continue # linked with Google Benchmark
    echo "running $program"
    QT_QPA_PLATFORM=offscreen "$program" --benchmark_repetitions="$repetitions" \
        --benchmark_report_aggregates_only=true --benchmark_format=json \
        --benchmark_out="$out/$(basename "$program").json" --benchmark_out_format=json >/dev/null
    python3 - "$out/$(basename "$program").json" "$(basename "$program")" >>"$rows" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
for b in data["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    unit = b.get("time_unit", "ns")
    name = b["run_name"]
    print(f"{sys.argv[2]}: {name}\t{b['real_time']:.4g} {unit} wall\t{b['cpu_time']:.4g} {unit} CPU\tmedian of {b.get('repetitions', '')}")
PY
done < <(find build/release/bench -type f -executable | sort)

# Whole-process load against its floor.
bench/load/run-load.sh --runs "$load_runs" --seconds "$load_seconds" --drift "$drift" --tsv "$rows"

# Whole-process start-up, when the view's benchmark is there.
if [ -x bench/startup/measure.sh ]; then
    echo "running bench/startup/measure.sh"
    bench/startup/measure.sh build/release 5 >"$out/startup.txt" 2>&1 || echo "start-up benchmark failed" >>"$out/startup.txt"
    sed 's/^/startup: /; s/$/\t\t\t/' "$out/startup.txt" >>"$rows"
fi

echo
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
python3 - "$rows" <<'PY'
import sys
rows = [l.rstrip("\n").split("\t") for l in open(sys.argv[1]) if l.strip()]
rows = [(r + ["", "", "", ""])[:4] for r in rows]
head = ("What", "Median", "Beside / CPU", "Goal / note")
w = [max(len(x) for x in col) for col in zip(head, *rows)]
line = lambda r: "| " + " | ".join(x.ljust(n) for x, n in zip(r, w)) + " |"
print(line(head))
print("|" + "|".join("-" * (n + 2) for n in w) + "|")
for r in rows:
    print(line(r))
PY
