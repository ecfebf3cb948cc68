#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while on its saved corpus.
# Usage: fuzz-smoke.sh [seconds per target] (30 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
export QT_QPA_PLATFORM=offscreen
for target in conventions richtext settings grid; do
    corpus=fuzz/corpus/$target
    mkdir -p "$corpus"
    work=$(mktemp -d)
    echo "fuzz_$target: ${seconds}s"
    ./build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
        -artifact_prefix="$work/" -print_final_stats=1 "$work" "$corpus" 2>&1 | grep -E '^(stat::number_of_executed_units|==|SUMMARY|Test unit written)' || true
    if ls "$work"/crash-* "$work"/timeout-* "$work"/leak-* >/dev/null 2>&1; then
        echo "fuzz_$target found a failing input:"; ls "$work"; exit 1
    fi
    rm -rf "$work"
done
