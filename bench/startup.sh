#!/usr/bin/env bash
# Time from process start to the first face on the screen and to the first
# video frame of a clip given on the command line: the real player on a
# virtual display with libmpv, 10 runs, the medians in milliseconds; and the
# same for mpv on the same clip and display, from the same kind of start to
# its log line "first video frame after restart shown", and the ratio.
#   bench/startup.sh BUILD_DIR [runs]
# mpv is installed with apt-get when it is missing (sudo when not root).
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
if ! command -v mpv > /dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
      $sudo apt-get install -y -qq --no-install-recommends mpv; } > "$work/apt.log" 2>&1 ||
    echo "mpv could not be installed: timing the player alone"
fi
export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
start_display || exit 1

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
: > "$work/face.ms"
: > "$work/frame.ms"
: > "$work/mpv.ms"
# mpv's own first frame, stamped as its log line arrives.
time_mpv() {
  local start
  start=$(date +%s%N)
  mpv --no-config --vo=x11 --ao=null --frames=1 -v "$work/clip.mpg" 2>&1 |
    while IFS= read -r line; do
      case $line in
        *"first video frame after restart shown"*) echo $(( ($(date +%s%N) - start) / 1000 )) ;;
      esac
    done | head -n1 | awk '{ printf "%.1f\n", $1 / 1000 }'
}
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
  command -v mpv > /dev/null && mpv_ms=$(time_mpv)
  [ "$run" = 0 ] && continue  # warming the caches
  [ -n "${mpv_ms:-}" ] && echo "$mpv_ms" >> "$work/mpv.ms"
  awk -v s="$start" '$1 == "face" { printf "%.1f\n", ($2 - s) / 1e6 }' "$work/timing" >> "$work/face.ms"
  awk -v s="$start" '$1 == "frame" { printf "%.1f\n", ($2 - s) / 1e6 }' "$work/timing" >> "$work/frame.ms"
done
echo "first face:        $(median < "$work/face.ms") ms (median of $(wc -l < "$work/face.ms"))"
echo "first video frame: $(median < "$work/frame.ms") ms (median of $(wc -l < "$work/frame.ms"))"
if [ -s "$work/mpv.ms" ]; then
  echo "mpv first frame:   $(median < "$work/mpv.ms") ms (median of $(wc -l < "$work/mpv.ms"))"
  awk -v p="$(median < "$work/frame.ms")" -v m="$(median < "$work/mpv.ms")" \
    'BEGIN { printf "first frame: %.2fx mpv\n", p / m }'
fi
