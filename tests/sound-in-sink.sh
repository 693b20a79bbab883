#!/usr/bin/env bash
# Plays level 1's proof into a PulseAudio null sink, which needs no sound card, and records what
# comes out of it: the game must be heard, and a run with --no-sound must be silent. Prints the
# loudest sample of each (of 1.0, as sox says it).
#   tests/sound-in-sink.sh [PROGRAM]   (default: build/swirlfall)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
need_packages pulseaudio pulseaudio-utils sox
program=$(readlink -f "${1:-build/swirlfall}")
sink=swirlfall_sink
# Long enough for the proof (level 1 passes in under 5 s) and the sound of the pass.
seconds=8

work=$(mktemp -d)
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "sound test FAILED: $*" >&2; cat "$work/pulse.log" >&2 2>/dev/null; exit 1; }
# A server of its own, found by the game through its runtime folder; the Sound setting unset.
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
pulseaudio -n --daemonize=no --exit-idle-time=-1 -L module-native-protocol-unix \
  -L "module-null-sink sink_name=$sink" >"$work/pulse.log" 2>&1 & server=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink "$sink" || fail "no sound server"
"$program" --export-level 1 >"$work/level-01.swirl"

# loudest [ARG...]: the loudest sample the sink gave while the game played the proof.
loudest() {
  pacat --record --latency-msec=20 -d "$sink.monitor" --format=s16le --rate=44100 --channels=2 >"$work/out.raw" &
  local recorder=$!
  QT_QPA_PLATFORM=offscreen timeout "$seconds" "$program" --scores "$work/scores.dat" "$@" \
    --replay "$work/level-01.swirl" >"$work/game.log" 2>&1 || true
  # pacat writes what it holds only as it ends on SIGINT.
  kill -INT "$recorder"
  wait "$recorder" || true
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/out.raw" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}'
}

heard=$(loudest)
! grep -q -i sound "$work/game.log" || fail "the game found no output: $(cat "$work/game.log")"
muted=$(loudest --no-sound)
echo "level 1's proof played into a null sink: loudest sample $heard with sound, $muted with --no-sound"
awk -v a="$heard" 'BEGIN { exit !(a > 0.01) }' || fail "nothing was heard"
awk -v a="$muted" 'BEGIN { exit !(a == 0) }' || fail "--no-sound was heard"
