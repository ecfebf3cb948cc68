#!/usr/bin/env bash
# By-hand check on a real desktop (X11, Wayland or Windows under its own shell): a second start
# brings the running Orebell to the front and ends without touching the store. The desktop's
# own focus rules are what the automated test (tests/e2e/two-copies.sh, under openbox) cannot
# show. Usage: scripts/check-two-copies.sh [path/to/Orebell_III]
set -euo pipefail
program=${1:-build/dev/bin/Orebell_III}
[ -x "$program" ] || { echo "no program at $program (build it first)"; exit 2; }
ask() {
    local answer
    read -r -p "$1 [y/n] " answer
    [ "$answer" = y ] || { echo "FAIL: $1"; exit 1; }
}

"$program" &
first=$!
trap 'kill "$first" 2>/dev/null || true' EXIT
sleep 3
echo "1. Put another window (a terminal, a browser) over Orebell, then minimise Orebell"
echo "   (the system's minimise, or Orebell's own button: the small tile). Press Enter when done."
read -r
started=$(date +%s%N)
"$program" || { echo "FAIL: the second start ended with $?"; exit 1; }
echo "The second start ended after $((($(date +%s%N) - started) / 1000000)) ms."
ask "Is Orebell (or its tile) in front of every other window, not minimised, with the keyboard focus?"
ask "Is there still only one Orebell window (a look at the task bar)?"
echo "2. Mine a few units in Orebell (start a laser, let a cycle end). Press Enter when done."
read -r
"$program" || { echo "FAIL: the third start ended with $?"; exit 1; }
echo "   Now close Orebell with its own close button."
wait "$first" || true
"$program" &
first=$!
sleep 3
ask "Are the units mined in step 2 there?"
echo "PASS"
