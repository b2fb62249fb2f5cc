#!/usr/bin/env bash
# Time from process start to the first face on the screen and to the first
# video frame of a clip given on the command line: the real player on a
# virtual display with libmpv, 10 runs, the medians in milliseconds.
#   bench/startup.sh BUILD_DIR [runs]
set -euo pipefail
build="$(cd "$1" && pwd)"
runs="${2:-10}"
work=$(mktemp -d)
source "$(dirname "$0")/../tests/support/xvfb.sh"
trap 'stop_display; rm -rf "$work"' EXIT

mkdir -p "$work/prog"
cp "$build/rq810z" "$build/RQ01.sys" "$work/prog/"
ffmpeg -loglevel error -f lavfi -i testsrc=size=640x480:rate=25 -f lavfi -i sine=frequency=440 \
  -t 10 -c:v mpeg1video -c:a mp2 -f mpeg "$work/clip.mpg"
export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
start_display || exit 1

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
: > "$work/face.ms"
: > "$work/frame.ms"
for run in $(seq 0 "$runs"); do
  rm -f "$work/timing"
  start=$(date +%s%N)
  RQ810Z_TIMING="$work/timing" "$work/prog/rq810z" "$work/clip.mpg" > /dev/null 2>&1 &
  pid=$!
  for _ in $(seq 200); do
    [ -f "$work/timing" ] && [ "$(wc -l < "$work/timing")" -ge 2 ] && break
    sleep 0.05
  done
  kill -TERM "$pid"; sleep 0.3; kill -TERM "$pid" 2>/dev/null || true; wait "$pid" || true
  [ "$run" = 0 ] && continue  # warming the caches
  awk -v s="$start" '$1 == "face" { printf "%.1f\n", ($2 - s) / 1e6 }' "$work/timing" >> "$work/face.ms"
  awk -v s="$start" '$1 == "frame" { printf "%.1f\n", ($2 - s) / 1e6 }' "$work/timing" >> "$work/frame.ms"
done
echo "first face:        $(median < "$work/face.ms") ms (median of $(wc -l < "$work/face.ms"))"
echo "first video frame: $(median < "$work/frame.ms") ms (median of $(wc -l < "$work/frame.ms"))"
