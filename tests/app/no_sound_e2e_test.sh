#!/usr/bin/env bash
# The real binary with libmpv on a virtual display, without sound:
#   none: no sound server and no sound card at all;
#   lost: a PulseAudio server of the test's own takes the sound, and is
#         killed while the first clip plays.
# Either way both clips of the list play to their ends, the face keeps
# talking to the device (no silence over 2 s), a held N still steps the
# volume, and stderr says once that there is no sound. Exit 77: no
# PulseAudio server could be started here (lost only).
set -euo pipefail
binary="$1"
mode="$2"
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb.sh"
source "$(dirname "$0")/../support/command_log.sh"
pid=""
logger=""
pulse=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$logger" ] && kill "$logger" 2>/dev/null
  [ -n "$pulse" ] && kill -KILL "$pulse" 2>/dev/null
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/prog" "$work/media" "$work/config" "$work/run" "$work/nothing"
chmod 700 "$work/run"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
for n in 1 2; do
  ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
    -t 5 -c:v mpeg4 -c:a mp3 "$work/media/clip$n.avi"
done

# No sound reaches this machine's own server or card: PulseAudio and
# PipeWire look in empty folders, ALSA has no devices, JACK starts none.
: > "$work/alsa.conf"
export ALSA_CONFIG_PATH="$work/alsa.conf" XDG_RUNTIME_DIR="$work/run" HOME="$work"
export PIPEWIRE_RUNTIME_DIR="$work/nothing" JACK_NO_START_SERVER=1
export PULSE_SERVER="unix:$work/run/pulse/native"
export RQ810Z_ENGINE=mpv QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
unset RQ810Z_AUDIO

fail() {
  echo "FAIL: $*"
  grep -a -v $'\tstatus movie' "$work/mci.log" 2>/dev/null | tail -n 20
  cat "$work/player.err" 2>/dev/null | tail -n 20
  exit 1
}

if [ "$mode" = lost ]; then
  command -v pulseaudio >/dev/null || { echo "SKIP: pulseaudio is not installed"; exit 77; }
  pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
    --load="module-null-sink sink_name=quiet" \
    --load="module-native-protocol-unix auth-anonymous=1" > "$work/pulse.log" 2>&1 &
  pulse=$!
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || { echo "SKIP: no PulseAudio server could be started"; cat "$work/pulse.log"; exit 77; }
fi

start_display || exit 1

# The settings a first start writes, with repeat off and autoplay on.
: > "$work/prog/RQ01.rql"
"$work/prog/rq810z" > /dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do [ -s "$work/prog/RQ01.CFG" ] && break; sleep 0.1; done
kill -TERM "$pid"
wait "$pid" || true
pid=""
[ -s "$work/prog/RQ01.CFG" ] || fail "no settings written at the first start"
sed -i 's/^Repeat=.*/Repeat=0\r/; s/^Autoplay=.*/Autoplay=1\r/' "$work/prog/RQ01.CFG"
printf '%s\r\n' "$work/media/clip1.avi" "$work/media/clip2.avi" > "$work/prog/RQ01.rql"

start_command_log
RQ810Z_MCI_LOG="$work/mci.pipe" "$work/prog/rq810z" > /dev/null 2> "$work/player.err" &
pid=$!
window=$(face_window) || fail "no window"

killed_at=0
if [ "$mode" = lost ]; then
  for _ in $(seq 100); do
    pactl list sink-inputs 2>/dev/null | grep -q 'application.name = "RQ810Z"' && break
    sleep 0.1
  done
  pactl list sink-inputs | grep -q 'application.name = "RQ810Z"' ||
    fail "the player's sound never reached the PulseAudio server"
  sleep 0.5
  killed_at=$EPOCHREALTIME
  kill -KILL "$pulse"
  wait "$pulse" 2>/dev/null || true
  pulse=""
  echo "PulseAudio killed while the first clip played"
fi

xdotool windowfocus --sync "$window"
xdotool keydown n
sleep 0.3
xdotool keyup n

# Both clips play, then the list stops: the second opened, and a close.
for _ in $(seq 300); do
  kill -0 "$pid" 2>/dev/null || fail "the player ended (crashed?)"
  [ "$(grep -a -c $'\topen "' "$work/mci.log" || true)" -ge 2 ] &&
    tail -n 1 "$work/mci.log" | grep -aq $'\tclose movie\t0\t$' && break
  sleep 0.1
done
kill -TERM "$pid"
wait "$pid" || fail "the player did not end well"
pid=""
wait "$logger" 2>/dev/null || true
logger=""

# Per clip, the furthest position; after the kill, how far the first clip
# went in how long; and the longest silence of the device.
read -r far1 far2 moved span gap < <(awk -F '\t' -v killed="$killed_at" '
  $2 ~ /^open "/ { clip++ }
  $2 == "status movie position" && $3 == 0 {
    if ($4 + 0 > far[clip]) far[clip] = $4 + 0
    if (clip == 1 && $1 > killed) { if (!t0) { t0 = $1; p0 = $4 } t1 = $1; p1 = $4 }
  }
  NR > 1 && $1 - prev > gap { gap = $1 - prev }
  { prev = $1 }
  END { printf "%d %d %d %.3f %.3f\n", far[1], far[2], p1 - p0, t1 - t0, gap }' "$work/mci.log")
echo "clip 1 reached $far1 ms, clip 2 $far2 ms; longest silence $gap s"
[ "$far1" -ge 4500 ] || fail "the first clip stopped at $far1 ms"
[ "$far2" -ge 4500 ] || fail "the second clip stopped at $far2 ms"
awk -v g="$gap" 'BEGIN { exit !(g > 2.0) }' && fail "the face froze for $gap s"
if [ "$mode" = lost ]; then
  echo "after the kill: $moved ms of the clip in $span s"
  awk -v m="$moved" -v s="$span" 'BEGIN { exit !(s >= 2.0 && m >= 500 * s) }' ||
    fail "playback did not go on after the sound server died"
fi

volume=$(cat "$work/config/rq810z-wave-out-volume")
left=$((volume & 0xFFFF))
[ $((volume >> 16)) = "$left" ] && [ "$left" -lt 65535 ] && [ $((left % 1129)) = 0 ] ||
  fail "a held N did not step the volume (it is $volume)"

echo "stderr:"
sed 's/^/  /' "$work/player.err"
said=$(grep -c '^rq810z: no sound device: playing without sound$' "$work/player.err" || true)
[ "$said" = 1 ] || fail "the player said $said times that there is no sound"
grep -q '^ALSA lib' "$work/player.err" && fail "libasound's own lines reached stderr"
echo "ok"
