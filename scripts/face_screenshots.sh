#!/usr/bin/env bash
# Screenshots of the real player under a virtual display with libmpv, driven
# with the mouse as a user would: stopped, playing with the title scrolling,
# paused in keypad mode, searching back with the shuttle ring. Each shows
# the face and the video window below it.
#
#   scripts/face_screenshots.sh build/release/rq810z docs
set -euo pipefail
binary=$(realpath "$1")
out=$(realpath "$2")
work=$(mktemp -d)
xvfb=""
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/prog" "$work/media"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
clip="$work/media/Test Pattern.avi"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
  -t 600 -c:v mpeg4 -q:v 8 -c:a mp3 "$clip"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
: > "$work/display"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

(cd "$work/prog" && exec ./rq810z "$clip") &
pid=$!
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q 'RQ810Z"' && break
  sleep 0.1
done
sleep 2

# The face stands at the screen's top left, the video window right below.
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.3; }
shot() {
  ffmpeg -loglevel error -y -f x11grab -draw_mouse 0 -video_size 1280x800 -i "$DISPLAY" -frames:v 1 \
    -vf crop=406:332:0:0 "$out/face-$1.png"
}

click 250 28          # STOP
sleep 0.5
shot stopped

# The badge dragged off the face falls away and uncovers the display.
xdotool mousemove 160 30 mousedown 1 mousemove 165 45 mousemove 170 90 mouseup 1
sleep 1
click 250 55          # PLAY opens the entry again
sleep 6               # the title scrolls in
shot playing

click 285 28          # STILL pauses
click 340 30 3        # right button on the dial: the keypad
click 318 61          # 1
click 332 61          # 2
xdotool mousemove 346 61 mousedown 1   # 3, held
sleep 0.3
shot paused-keypad
xdotool mouseup 1
click 330 80 3        # right button off BACK and NEXT: the dial again
click 250 55          # PLAY resumes

# The seek knob dragged to the middle, then the shuttle ring turned back.
xdotool mousemove 66 8 mousedown 1 mousemove 120 8 mousemove 170 8 mouseup 1
sleep 1
xdotool mousemove 386 48 mousedown 1 mousemove 385 40 mousemove 383 33
sleep 0.6
shot shuttle
xdotool mouseup 1
echo "screenshots in $out"
