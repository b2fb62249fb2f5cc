#!/usr/bin/env bash
# A long run of the real player on libmpv on a virtual display, worked the
# way a hand works it: a new file every 7.2 s (500 an hour) by a click on
# NEXT (Right held skips one file per main tick, so it would skip two or
# three), a search held on FF, frame steps while paused
# (STILL, a turn of the dial's inner knob, STILL) and now and then full
# screen and back (Alt+Enter). Once a minute it samples the player's resident memory,
# threads and open descriptors; at the end it prints how they moved after
# the first 5 minutes.
#
#   bench/soak.sh build/release/rq810z [SECONDS]   (default 3600)
#
# CI runs none of it. Needs Xvfb, xdotool, xwininfo and ffmpeg.
set -euo pipefail
binary=$(realpath "$1")
seconds=${2:-3600}
sample_every=${SOAK_SAMPLE_SECONDS:-60}
settle_minutes=5
work=$(mktemp -d)
source "$(dirname "$0")/../tests/support/xvfb.sh"
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  stop_display
  # SOAK_KEEP=1 keeps the command log, the player's output and the samples.
  if [ -n "${SOAK_KEEP:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

mkdir -p "$work/prog" "$work/media" "$work/config"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
# Five 60 s clips of a few kinds, so a switch always cuts one short.
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
  -t 60 -c:v mpeg1video -c:a mp2 -f mpeg "$work/media/a.mpg"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=640x480:rate=30 -f lavfi -i sine=frequency=550 \
  -t 60 -c:v mpeg4 -c:a mp3 "$work/media/b.avi"
ffmpeg -loglevel error -f lavfi -i smptebars=size=352x288:rate=25 -f lavfi -i sine=frequency=660 \
  -t 60 -c:v mpeg1video -c:a mp2 -f mpeg "$work/media/c.mpg"
ffmpeg -loglevel error -f lavfi -i mandelbrot=size=320x240:rate=25 -f lavfi -i sine=frequency=770 \
  -t 60 -c:v mpeg4 -c:a mp3 "$work/media/d.avi"
ffmpeg -loglevel error -f lavfi -i sine=frequency=880 -t 60 -c:a mp3 "$work/media/e.mp3"
for f in a.mpg b.avi c.mpg d.avi e.mp3; do printf '%s\r\n' "$work/media/$f"; done > "$work/prog/RQ01.rql"
# The first start's settings have repeat on: NEXT wraps at the end.

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
start_display || exit 1

RQ810Z_MCI_LOG="$work/mci.log" "$work/prog/rq810z" > "$work/player.out" 2>&1 &
pid=$!
window=$(face_window) || { echo "no player window"; exit 1; }
sleep 2

alive() { kill -0 "$pid" 2>/dev/null; }
opens() { grep -c '^open "' "$work/mci.log" || true; }
focus() { xdotool windowfocus --sync "$window" 2>/dev/null || true; }
# A press and a release on the face, at a point of the main window.
click() {
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1
  sleep "${3:-0.08}"
  xdotool mouseup 1
}
# Full screen is a window of its own that covers the screen and 20 rows
# above it.
full_screen() { xwininfo -root -tree 2>/dev/null | grep -q '"RQ810Z": .* +0+-20$'; }
# Alt+Enter held until the window is there (yes) or gone (no): the keys are
# read on the main tick, which a short press on a busy machine can miss.
alt_enter() {
  local want=$1 ok=1
  xdotool keydown alt keydown Return
  for _ in $(seq 40); do
    if full_screen; then [ "$want" = yes ] && { ok=0; break; }
    else [ "$want" = no ] && { ok=0; break; }; fi
    sleep 0.05
  done
  xdotool keyup Return keyup alt
  return $ok
}
toggles=0
missed=0
sample() {  # minute, then RSS in kB, threads, descriptors
  local rss threads fds
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  threads=$(awk '/^Threads:/ { print $2 }' "/proc/$pid/status")
  fds=$(ls "/proc/$pid/fd" | wc -l)
  printf '%s\t%s\t%s\t%s\t%s\n' "$1" "$rss" "$threads" "$fds" "$(opens)" | tee -a "$work/samples.tsv"
}

printf 'minute\trss_kb\tthreads\tfds\topens\n'
start=$(date +%s)
next_sample=$start
minute=0
cycle=0
while alive; do
  now=$(date +%s)
  if [ "$now" -ge "$next_sample" ]; then
    sample "$minute"
    minute=$((minute + 1))
    next_sample=$((start + minute * sample_every))
  fi
  [ $((now - start)) -ge "$seconds" ] && break
  cycle=$((cycle + 1))
  cycle_start=$(date +%s.%N)
  focus
  click 279 79
  sleep 1.5
  # A search: FF held for a moment.
  click 289 57 0.4
  sleep 0.6
  # Frame steps: STILL pauses, the inner knob turns a quarter, STILL plays.
  click 289 30
  sleep 0.3
  xdotool mousemove --window "$window" 371 48 mousedown 1
  for at in "369 38" "365 31" "358 29" "351 28"; do
    sleep 0.1
    xdotool mousemove --window "$window" $at
  done
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
  click 289 30
  # Full screen and back every tenth file.
  if [ $((cycle % 10)) = 0 ]; then
    sleep 0.3
    toggles=$((toggles + 1))
    if alt_enter yes; then
      sleep 1.2
      alt_enter no || alt_enter no || { echo "minute $minute: full screen did not end"; exit 1; }
    else
      missed=$((missed + 1))
    fi
  fi
  # The rest of the 7.2 s.
  rest=$(awk -v s="$cycle_start" -v n="$(date +%s.%N)" 'BEGIN { r = 7.2 - (n - s); print (r > 0 ? r : 0) }')
  sleep "$rest"
done
alive || { echo "the player ended after $(( $(date +%s) - start )) s"; tail -n 20 "$work/player.out"; exit 1; }
sample "$minute"

echo "run: $(( $(date +%s) - start )) s, $cycle switches asked for, $(opens) files opened," \
  "$(grep -c '^seek movie to' "$work/mci.log" || true) seeks," \
  "$(grep -c '^pause movie' "$work/mci.log" || true) pauses," \
  "full screen $((toggles - missed)) of $toggles times"
awk -F '\t' -v settle="$settle_minutes" '
  $1 >= settle && !base { base = 1; rss0 = $2; t0 = $3; f0 = $4; m0 = $1 }
  { rss = $2; if (!seen++ || $3 < tmin) tmin = $3; if ($3 > tmax) tmax = $3
    if (seen == 1 || $4 < fmin) fmin = $4; if ($4 > fmax) fmax = $4 }
  $1 >= settle { late[++n] = $2 }
  $1 >= settle { if ($3 < tmin5 || !t5++) tmin5 = $3; if ($3 > tmax5) tmax5 = $3
                 if ($4 < fmin5 || !f5++) fmin5 = $4; if ($4 > fmax5) fmax5 = $4 }
  function median(from,   i, j, v, k) {
    for (i = 0; i < 5; ++i) v[i] = late[from + i]
    for (i = 1; i < 5; ++i) for (j = i; j > 0 && v[j - 1] > v[j]; --j) { k = v[j]; v[j] = v[j - 1]; v[j - 1] = k }
    return v[2]
  }
  END {
    if (!base) { print "shorter than " settle " minutes: no growth figure"; exit }
    printf "RSS from minute %d to the end: %d kB -> %d kB (%+.1f MB)\n", m0, rss0, rss, (rss - rss0) / 1024
    # A sample can fall on passing buffers (the clip playing moves the size
    # by some 7 MB, full screen by as much again): the medians of five
    # minutes after the settling and of the last five show the trend
    # without them.
    if (n >= 10) printf "RSS median of minutes %d-%d to that of the last five: %+.1f MB\n", m0, m0 + 4,
                        (median(n - 4) - median(1)) / 1024
    printf "threads: %d..%d over the run, %d..%d after minute %d\n", tmin, tmax, tmin5, tmax5, m0
    printf "descriptors: %d..%d over the run, %d..%d after minute %d\n", fmin, fmax, fmin5, fmax5, m0
  }' "$work/samples.tsv"
