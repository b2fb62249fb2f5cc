#!/usr/bin/env bash
# The real binary on a scaled screen (QT_SCALE_FACTOR), clicked and dragged
# through the X server at device pixels: PLAY, STOP and the volume knob
# answer where they are drawn. A whole factor draws the face that many
# times larger; a fractional one at the whole factor below it, centred in
# the window. Screenshots show every face pixel as a sharp block.
# Usage: scaled_e2e_test.sh BINARY PICTURE_BOX FACTOR
set -euo pipefail
binary="$1"
picture_box="$2"
factor="$3"
work=$(mktemp -d)
pid=""
source "$(dirname "$0")/../support/xvfb.sh"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; stop_display; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

mkdir -p "$work/prog" "$work/config"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
clip="$work/clip.mpg"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -t 30 -c:v mpeg1video -f mpeg "$clip"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null RQ810Z_MCI_LOG="$work/mci.log" XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$factor"
start_display || exit 1

fail() { echo "FAIL ($factor): $1"; tail -n 20 "$work/mci.log"; exit 1; }
count() { grep -c "^$1"$'\t' "$work/mci.log" || true; }
wait_for() {
  local command="$1" want="$2"
  for _ in $(seq 100); do
    [ "$(count "$command")" -ge "$want" ] && return 0
    sleep 0.05
  done
  fail "no \"$command\" (${want}x) in the command log"
}

"$work/prog/rq810z" "$clip" &
pid=$!
window=$(face_window) || fail "no face window"
wait_for "play movie" 1
eval "$(xwininfo -id "$window" | awk '
  /Absolute upper-left X/ { print "wx=" $NF } /Absolute upper-left Y/ { print "wy=" $NF }
  /Width:/ { print "ww=" $NF } /Height:/ { print "wh=" $NF }')"
# Face pixels a device pixel, and where the face starts in the window.
k=$(awk -v f="$factor" 'BEGIN { print int(f + 1e-9) }')
ox=$(( (ww - 406 * k) / 2 ))
oy=$(( (wh - 92 * k) / 2 ))
[ "$ww" = "$(awk -v f="$factor" 'BEGIN { printf "%d", 406 * f + 0.5 }')" ] ||
  fail "the window is $ww pixels wide"
# The screen point of face point x, y (the middle of its k x k block).
at() { echo $((wx + ox + $1 * k + k / 2)) $((wy + oy + $2 * k + k / 2)); }
click() {
  xdotool mousemove $(at "$1" "$2") click 1
  sleep 0.2
}

echo "stop, at face 255, 30"
closes=$(count "close movie")
click 255 30
wait_for "close movie" $((closes + 1))

echo "play, at face 254, 57"
click 254 57
wait_for "play movie" 2

echo "the volume knob from face 126 to 97"
xdotool mousemove $(at 126 79) mousedown 1
sleep 0.1
for x in 120 110 100 97; do xdotool mousemove $(at $x 79); sleep 0.05; done
xdotool mouseup 1
sleep 0.2

echo "a screenshot, stopped, so that no pass draws meanwhile: every face pixel a sharp block"
closes=$(count "close movie")
click 255 30
wait_for "close movie" $((closes + 1))
sleep 0.5
ffmpeg -loglevel error -y -f x11grab -draw_mouse 0 -video_size 1280x800 -i "$DISPLAY" -frames:v 1 "$work/screen.png"
uneven=$("$picture_box" "$work/screen.png" --blocks "$k" $((wx + ox)) $((wy + oy)) $((406 * k)) $((88 * k)))
[ "$uneven" = 0 ] || fail "$uneven face pixels are not sharp $k x $k blocks"

kill -TERM "$pid"
wait "$pid" || true
pid=""
volume=$(cat "$work/config/rq810z-wave-out-volume")
# Full volume puts the knob at 58; 29 pixels left is 29 steps of 1129. Qt
# hands the pointer over in whole logical pixels, so at a fractional factor
# the drag may come out a face pixel longer or shorter.
steps=$(( (volume & 0xFFFF) / 1129 ))
[ $((volume & 0xFFFF)) = $((steps * 1129)) ] && [ $((volume >> 16)) = $((volume & 0xFFFF)) ] ||
  fail "volume $volume is not whole steps on both channels"
if [ "$(awk -v f="$factor" 'BEGIN { print (f == int(f)) }')" = 1 ]; then
  [ "$steps" = 29 ] || fail "the drag left the knob at $steps, not 29"
else
  [ "$steps" -ge 28 ] && [ "$steps" -le 30 ] || fail "the drag left the knob at $steps, not 29 +- 1"
fi
echo "PASS ($factor)"
