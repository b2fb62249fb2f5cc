#!/usr/bin/env bash
# Idle cost of the whole player: the real binary on a virtual display,
# stopped with an empty playlist and the badge on the face (so the main tick
# runs every 30 ms), its CPU time over SECONDS in per cent of one core.
#
#   bench/idle_cpu.sh build/release/rq810z [SECONDS]   (default 60)
set -euo pipefail
binary=$(realpath "$1")
seconds=${2:-60}
work=$(mktemp -d)
xvfb=""
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/prog"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
export RQ810Z_AUDIO=null XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb

: > "$work/display"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

(cd "$work/prog" && exec ./rq810z) &
pid=$!
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q 'RQ810Z"' && break
  sleep 0.1
done
sleep 3  # past start-up and the first passes

# utime + stime of the process, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
start_ticks=$(cpu_ticks)
start_ns=$(date +%s%N)
sleep "$seconds"
end_ticks=$(cpu_ticks)
end_ns=$(date +%s%N)
awk -v t=$((end_ticks - start_ticks)) -v hz="$hz" -v ns=$((end_ns - start_ns)) 'BEGIN {
  cpu = t / hz; wall = ns / 1e9
  printf "idle player: %.2f s CPU in %.1f s = %.3f%% of one core\n", cpu, wall, 100 * cpu / wall
}'
