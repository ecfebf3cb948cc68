#!/usr/bin/env bash
# Runs a command against a private PulseAudio server whose default sink is a null sink, and stops
# the server afterwards. The command finds the sink's name in OREBELL_E2E_SINK; its monitor source
# is "$OREBELL_E2E_SINK.monitor". Nothing touches the user's own sound server or devices.
set -euo pipefail
dir=$(mktemp -d "${TMPDIR:-/tmp}/orebell-pulse.XXXXXX")
server=""
keepalive=""
cleanup() {
  if [ -n "$keepalive" ]; then
    kill "$keepalive" 2>/dev/null || true
    wait "$keepalive" 2>/dev/null || true
  fi
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap cleanup EXIT

sink=orebell_e2e
cat >"$dir/server.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
load-module module-null-sink sink_name=$sink rate=48000 channels=2
set-default-sink $sink
PA
printf 'autospawn = no\n' >"$dir/client.conf"

HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir" \
  pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disable-shm=yes \
  --log-target=stderr -F "$dir/server.pa" >"$dir/server.log" 2>&1 &
server=$!

export PULSE_SERVER="unix:$dir/native" PULSE_CLIENTCONFIG="$dir/client.conf" OREBELL_E2E_SINK="$sink"
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "the private PulseAudio server did not start:" >&2
  cat "$dir/server.log" >&2
  exit 1
fi
# A null sink with no low-latency client renders in blocks of up to two seconds, so a new stream
# can wait that long before it is heard. A silent stream asking for 10 ms keeps the sink running
# in small blocks, as a sound card does.
pacat --raw --format=s16le --rate=48000 --channels=2 --latency-msec=10 /dev/zero &
keepalive=$!
"$@"
