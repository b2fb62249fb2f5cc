#!/usr/bin/env bash
# Idle cost of the whole player: the real binary on a virtual display,
# stopped with an empty playlist and the badge on the face (so the main tick
# runs every 30 ms), its CPU time over SECONDS in per cent of one core,
# against a bare Qt Widgets program with one 30 ms timer (bench/idle_baseline)
# running on the same display over the same seconds.
#
#   bench/idle_cpu.sh BUILD_DIR [SECONDS]   (default 60)
set -euo pipefail
build="$(cd "$1" && pwd)"
seconds=${2:-60}
work=$(mktemp -d)
pid=""
base=""
source "$(dirname "$0")/../tests/support/xvfb.sh"
cleanup() {
  for p in $pid $base; do kill -TERM "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/prog"
cp "$build/rq810z" "$build/RQ01.sys" "$work/prog/"
export RQ810Z_AUDIO=null XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
start_display || exit 1

(cd "$work/prog" && exec ./rq810z) 2> "$work/player.err" &
pid=$!
face_window > /dev/null
"$build/bench/idle_baseline" 2> "$work/baseline.err" &
base=$!
sleep 3  # past start-up and the first passes

# Nanoseconds on a CPU of all the threads of a process: finer than the
# clock ticks of /proc/PID/stat, which an idle program hardly moves.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s }'; }
start_player=$(cpu_ns "$pid")
start_base=$(cpu_ns "$base")
start_ns=$(date +%s%N)
sleep "$seconds"
end_player=$(cpu_ns "$pid")
end_base=$(cpu_ns "$base")
end_ns=$(date +%s%N)
awk -v p=$((end_player - start_player)) -v b=$((end_base - start_base)) \
    -v ns=$((end_ns - start_ns)) 'BEGIN {
  wall = ns / 1e9
  printf "idle player:   %.3f s CPU in %.1f s = %.3f%% of one core\n", p / 1e9, wall, 100 * p / ns
  printf "idle baseline: %.3f s CPU in %.1f s = %.3f%% of one core\n", b / 1e9, wall, 100 * b / ns
  if (b > 0) printf "player / baseline: %.2fx\n", p / b
  else print "player / baseline: the baseline used no measurable CPU; run longer"
}'
