#!/usr/bin/env bash
# Records what the Windows sound player really plays under Wine, through a private PulseAudio
# null sink (tests/e2e/run-with-pulse.sh), and compares what was heard with the files:
#   sound-heard.sh PROBE_EXE SOUND_FOLDER
# Each default sound must be heard for its whole length, within 40 ms; a sound replaced by another
# after 250 ms, or stopped then, must end there. A player that only reports "started" and
# "finished" cannot pass this: the recording is what a player hears. Exits 77 without the tools.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../../.." && pwd)
probe=$1 sounds=$2

for tool in wine pulseaudio parec pacat pactl sox soxi; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing"; exit 77
  fi
done
if [ -z "${OREBELL_E2E_SINK:-}" ]; then
  exec "$repo/tests/e2e/run-with-pulse.sh" "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orebell-sound-heard.XXXXXX")
trap 'rm -rf "$work"' EXIT
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

# Seconds from the first to the last sample above half a per cent of full scale.
heard() {
  sox "$1" "$work/trimmed.wav" silence 1 0.001 0.5% reverse silence 1 0.001 0.5% reverse 2>/dev/null
  soxi -D "$work/trimmed.wav" 2>/dev/null || echo 0
}

# Plays through the probe while parec records the sink's monitor; prints the seconds heard.
record() {
  local rec=$work/recording.wav
  rm -f "$rec"
  parec -d "$OREBELL_E2E_SINK.monitor" --rate=48000 --channels=1 --format=s16le \
    --file-format=wav --latency-msec=20 "$rec" &
  local recorder=$!
  # Nothing plays before the monitor delivers: wait for a fifth of a second of recorded silence.
  for _ in $(seq 100); do
    [ "$(stat -c %s "$rec" 2>/dev/null || echo 0)" -gt $((44 + 48000 * 2 / 5)) ] && break
    sleep 0.05
  done
  local status=0
  "$repo/scripts/windows/wine-run.sh" "$probe" "$@" >"$work/probe.log" 2>&1 || status=$?
  sleep 0.5 # what the device still holds reaches the monitor
  kill -TERM "$recorder"; wait "$recorder" 2>/dev/null || true
  if [ "$status" -ne 0 ]; then # what was heard still tells how it failed
    echo "the probe ($*) ended with status $status:" >&2; cat "$work/probe.log" >&2
    touch "$work/probe-failed"
  fi
  heard "$rec"
}

failures=0
check() { # name heard low high
  if awk -v h="$2" -v lo="$3" -v hi="$4" 'BEGIN { exit !(h >= lo && h <= hi) }'; then
    printf 'ok    %-40s heard %.3f s (%s to %s)\n' "$1" "$2" "$3" "$4"
  else
    printf 'FAIL  %-40s heard %.3f s, not within %s to %s\n' "$1" "$2" "$3" "$4"
    failures=$((failures + 1))
  fi
}

for name in tick1.wav end_cycle.wav 17297_quarn_quarn_earth3.wav ThumpClose.wav red_alert_short.wav; do
  want=$(heard "$sounds/$name")
  got=$(record "$(winpath "$sounds/$name")")
  check "$name whole" "$got" "$(awk -v w="$want" 'BEGIN { print (w - 0.04 > w / 2) ? w - 0.04 : w / 2 }')" \
    "$(awk -v w="$want" 'BEGIN { print w + 0.04 }')"
done

# end_cycle.wav lasts 0.69 s; replaced or stopped 0.25 s in, nothing of it may follow.
long=$(winpath "$sounds/end_cycle.wav") click=$(winpath "$sounds/tick1.wav")
check "end_cycle.wav replaced by the click" "$(record "$long" --then 250 "$click")" 0.2 0.38
check "end_cycle.wav stopped" "$(record "$long" --stop 250)" 0.2 0.33

[ "$failures" -eq 0 ] && [ ! -e "$work/probe-failed" ]
