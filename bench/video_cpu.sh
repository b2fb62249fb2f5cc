#!/usr/bin/env bash
# CPU used while playing a 1280 x 720, 25 fps H.264 clip for 20 s in the
# normal-size video window, drawn with OpenGL and in software, against
# mpv --vo=x11 playing the same clip in a window of the same size, all on
# one virtual display, no sound device. Reports CPU seconds of the process
# and of the X server over the same 20 s, for each of `rounds` rounds
# (the three take turns), and the medians. Then full screen: on a 1920 x
# 1080 display, a 1080p clip full screen with the aspect kept, the player's
# software picture against mpv --vo=x11 --fs, in turns as well.
#   bench/video_cpu.sh BUILD_DIR [rounds]
# mpv is installed with apt-get for the comparison when it is missing
# (sudo when not root); without it only the player is measured.
set -euo pipefail
build="$(cd "$1" && pwd)"
rounds="${2:-3}"
seconds=20
work=$(mktemp -d)
pid=""
source "$(dirname "$0")/../tests/support/xvfb.sh"
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; stop_display; rm -rf "$work"' EXIT

if ! command -v mpv > /dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
         $sudo apt-get install -y -qq --no-install-recommends mpv; } > "$work/apt.log" 2>&1; then
    echo "mpv could not be installed: measuring the player alone"
  fi
fi

mkdir -p "$work/prog" "$work/config"
cp "$build/rq810z" "$build/RQ01.sys" "$work/prog/"
clip="$work/clip.mp4"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=1280x720:rate=25 -f lavfi -i sine=frequency=440 \
  -t $((seconds + 10)) -c:v libx264 -preset medium -pix_fmt yuv420p -c:a aac "$clip"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
start_display || exit 1

# utime + stime of a process, in clock ticks.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
# CPU seconds of `pid` and of the X server during the next $seconds.
measure() {
  local p0 x0 p1 x1
  p0=$(ticks "$pid"); x0=$(ticks "$xvfb")
  sleep "$seconds"
  p1=$(ticks "$pid"); x1=$(ticks "$xvfb")
  awk -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v hz="$hz" 'BEGIN { printf "%.2f %.2f\n", p / hz, x / hz }'
}
stop() {
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

# A first start: the video window at 0, 92 below the face, in the normal
# size; mpv's window goes to the same place.
run_player() {
  RQ810Z_RENDER="$1" RQ810Z_MCI_LOG="$work/mci.log" "$work/prog/rq810z" "$clip" > "$work/player.out" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    grep -q $'^play movie\t' "$work/mci.log" 2>/dev/null && break
    sleep 0.1
  done
  sleep 2  # past the start-up
}
run_mpv() {
  mpv --no-config --vo=x11 --ao=null --geometry=1280x720+0+92 --no-border --really-quiet \
    --loop-file=inf "$clip" > "$work/mpv.out" 2>&1 &
  pid=$!
  sleep 2
}

: > "$work/opengl.cpu"
: > "$work/software.cpu"
: > "$work/mpv.cpu"
for round in $(seq "$rounds"); do
  for render in opengl software; do
    rm -f "$work/mci.log"
    run_player "$render"
    grep -q '^put movie destination at 0 0 1280 720' "$work/mci.log" || {
      echo "the player did not place the picture at 1280 x 720"; exit 1; }
    measure | tee -a "$work/$render.cpu" |
      awk -v r="$round" -v what="rq810z $render" '{ printf "round %d: %-16s %s s, X server %s s\n", r, what, $1, $2 }'
    stop
  done
  if command -v mpv > /dev/null; then
    run_mpv
    measure | tee -a "$work/mpv.cpu" |
      awk -v r="$round" '{ printf "round %d: %-16s %s s, X server %s s\n", r, "mpv --vo=x11", $1, $2 }'
    stop
  fi
done

# Full screen on a display of its own.
stop_display
screen=1920x1080x24 start_display || exit 1
full_clip="$work/full.mp4"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=1920x1080:rate=25 -t $((seconds + 10)) \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p "$full_clip"
full_screen() { xwininfo -root -tree 2>/dev/null | grep -q '"RQ810Z": .* +0+-20$'; }
: > "$work/full-software.cpu"
: > "$work/full-mpv.cpu"
for round in $(seq "$rounds"); do
  rm -f "$work/mci.log"
  RQ810Z_RENDER=software RQ810Z_MCI_LOG="$work/mci.log" "$work/prog/rq810z" "$full_clip" > "$work/player.out" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    grep -q $'^play movie\t' "$work/mci.log" 2>/dev/null && break
    sleep 0.1
  done
  # Alt+Enter is read on the main tick: held until the full-screen window is there.
  xdotool windowfocus --sync "$(face_window)"
  xdotool keydown alt keydown Return
  for _ in $(seq 60); do full_screen && break; sleep 0.05; done
  xdotool keyup Return keyup alt
  full_screen || { echo "the player did not go full screen"; exit 1; }
  sleep 2
  measure | tee -a "$work/full-software.cpu" |
    awk -v r="$round" '{ printf "round %d: %-22s %s s, X server %s s\n", r, "full rq810z software", $1, $2 }'
  stop
  if command -v mpv > /dev/null; then
    mpv --no-config --vo=x11 --ao=null --fs --really-quiet --loop-file=inf "$full_clip" > "$work/mpv.out" 2>&1 &
    pid=$!
    sleep 2
    measure | tee -a "$work/full-mpv.cpu" |
      awk -v r="$round" '{ printf "round %d: %-22s %s s, X server %s s\n", r, "full mpv --vo=x11 --fs", $1, $2 }'
    stop
  fi
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for what in opengl software mpv full-software full-mpv; do
  [ -s "$work/$what.cpu" ] || continue
  own=$(cut -d' ' -f1 "$work/$what.cpu" | median)
  all=$(awk '{ print $1 + $2 }' "$work/$what.cpu" | median)
  echo "$own $all" > "$work/$what.median"
  printf "%-9s %6s s of CPU in %s s (with the X server %s s), median of %s\n" "$what" "$own" "$seconds" "$all" "$rounds"
done
if [ -s "$work/mpv.median" ]; then
  read -r m mx < "$work/mpv.median"
  for what in opengl software; do
    read -r p px < "$work/$what.median"
    awk -v w="$what" -v p="$p" -v m="$m" -v px="$px" -v mx="$mx" \
      'BEGIN { printf "%-9s %.2fx mpv (with the X server %.2fx)\n", w, p / m, px / mx }'
  done
fi
if [ -s "$work/full-mpv.median" ]; then
  read -r m mx < "$work/full-mpv.median"
  read -r p px < "$work/full-software.median"
  awk -v p="$p" -v m="$m" -v px="$px" -v mx="$mx" \
    'BEGIN { printf "full screen software %.2fx mpv --fs (with the X server %.2fx)\n", p / m, px / mx }'
fi
