#!/usr/bin/env bash
# The real binary with libmpv on a virtual display: a clip in every windowed
# size and in both full-screen fits, with the control panel shown and
# hidden and its caption file loaded. Each screenshot must show the picture
# where the destination sent to the device says, at that size.
#   full_e2e_test.sh RQ810Z PICTURE_BOX [SHOTS_DIR]
# SHOTS_DIR, when given, keeps the screenshots. RQ810Z_RENDER=opengl draws
# the picture with OpenGL even on a software rasteriser (when the display
# has OpenGL at all), =software without; by default the player chooses
# (software on Xvfb's llvmpipe) and says so on stderr.
set -euo pipefail
binary="$1"
box="$2"
shots="${3:-}"
work=$(mktemp -d)
pid=""
source "$(dirname "$0")/../support/xvfb.sh"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; stop_display; rm -rf "$work"' EXIT

mkdir -p "$work/prog" "$work/media" "$work/config"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
# A blue frame round a test pattern: the frame's colour marks the picture's
# edges wherever it is shown and at whatever size.
clip="$work/media/clip.mp4"
ffmpeg -loglevel error -f lavfi -i color=c=0x3060C0:size=320x180:rate=25 \
  -f lavfi -i testsrc=size=192x108:rate=25 -filter_complex "[0][1]overlay=64:36" \
  -t 60 -c:v libx264 -pix_fmt yuv420p "$clip"
# The captions, in code page 932 as the player's users write them.
printf '[00:00]Caption one\r\n[00:30]\x8e\x9a\x96\x8b two\r\n' > "$work/media/clip.txt"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null RQ810Z_MCI_LOG="$work/mci.log" XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb
start_display || exit 1

fail() { echo "FAIL: $*"; cat "$work/player.out"; grep -v '^status movie position' "$work/mci.log" | tail -n 30; exit 1; }
# Waits until the log holds `count` lines that start with the command.
wait_for() {
  local command="$1" count="${2:-1}"
  for _ in $(seq 150); do
    [ "$(grep -c "^$command"$'\t' "$work/mci.log" || true)" -ge "$count" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the player ended"
    sleep 0.1
  done
  fail "no \"$command\" (${count}x) in the command log"
}
# The last destination the device was given, as "x y w h".
last_destination() {
  grep '^put movie destination at ' "$work/mci.log" | tail -n1 | cut -f1 | cut -d' ' -f5-
}
# Grabs the screen once the picture had time to follow.
shoot() {
  sleep 1
  ffmpeg -loglevel error -y -f x11grab -video_size 1280x800 -i "$DISPLAY" -frames:v 1 "$work/$1.png"
  [ -n "$shots" ] && cp "$work/$1.png" "$shots/" || true
}
# The picture's rectangle on a screenshot: the blue frame's bounding box,
# not counting the face.
picture_on() { "$box" "$work/$1.png" 3060C0 28 --not 0 0 406 93 | cut -d' ' -f1-4; }
# A slow machine may take a while to follow: a few tries.
expect_picture() {
  local shot="$1" want="$2" got
  for _ in 1 2 3 4 5; do
    shoot "$shot"
    got=$(picture_on "$shot")
    [ "$got" = "$want" ] && break
  done
  echo "  $shot: picture at $got"
  [ "$got" = "$want" ] || fail "$shot: the picture is at $got, not $want"
}
# A key acts once and locks the keys for two main ticks: wait that out.
key() {
  xdotool key --clearmodifiers "$1"
  sleep 0.4
}

# A first start writes the default settings; then the video window goes
# away from the face and the captions are turned on.
: > "$work/prog/RQ01.rql"
"$work/prog/rq810z" > "$work/player.out" 2>&1 &
pid=$!
for _ in $(seq 150); do [ -s "$work/prog/RQ01.CFG" ] && break; sleep 0.1; done
kill -TERM "$pid"
wait "$pid" || true
awk '
  { sub(/\r$/, "") }
  /^\[/ { section = $0 }
  section == "[WindowPoint]" && /^[xy]=/ { sub(/=.*/, "=0") }
  section == "[VideoWindowPoint]" && /^x=/ { sub(/=.*/, "=100") }
  section == "[VideoWindowPoint]" && /^y=/ { sub(/=.*/, "=150") }
  /^Caption=/ { sub(/=.*/, "=1") }
  /^BadgeGone=/ { sub(/=.*/, "=1") }
  { printf "%s\r\n", $0 }' "$work/prog/RQ01.CFG" > "$work/settings"
mv "$work/settings" "$work/prog/RQ01.CFG"
rm -f "$work/mci.log"

"$work/prog/rq810z" "$clip" > "$work/player.out" 2>&1 &
pid=$!
window=$(face_window) || fail "no window"
wait_for "play movie"
echo "1. windowed sizes: normal, half, double, desktop"
# The video window stands at 100, 150; the picture fills it from its corner.
[ "$(last_destination)" = "0 0 320 180" ] || fail "normal size sent $(last_destination)"
expect_picture window-normal "100 150 320 180"
# The OpenGL picture is a window of its own inside the video window.
gl_windows=$(xwininfo -root -tree | grep -A1 '"RQ810Z Video"' | grep -c ' child' || true)
echo "  drawn with: $([ "$gl_windows" -gt 0 ] && echo OpenGL || echo software)"
case "${RQ810Z_RENDER:-}" in
  software) [ "$gl_windows" = 0 ] || fail "OpenGL was used though software was asked for" ;;
  opengl) xdpyinfo | grep -q GLX && { [ "$gl_windows" -gt 0 ] || fail "OpenGL was asked for, not used"; } ;;
esac
# One line on stderr says how the picture is drawn, and it is so.
said=$(grep -c '^rq810z: drawing the picture with OpenGL' "$work/player.out" || true)
[ "$(grep -c '^rq810z: drawing the picture' "$work/player.out")" = 1 ] || fail "not one line on how the picture is drawn"
[ "$said" = "$([ "$gl_windows" -gt 0 ] && echo 1 || echo 0)" ] || fail "stderr does not say how the picture is drawn"
key z
wait_for "put movie destination at 0 0 160 90"
expect_picture window-half "100 150 160 90"
key x
key x
wait_for "put movie destination at 0 0 640 360"
expect_picture window-double "100 150 640 360"
key x
wait_for "put movie destination at 0 0 1280 798"
grep -q $'^window movie handle default state minimized\t' "$work/mci.log" || fail "no minimised default window"
# The face stays in front of the picture on the desktop.
expect_picture window-desktop "0 0 1280 798"
key z
key z
wait_for "put movie destination at 0 0 320 180" 2

echo "2. full screen, keeping the aspect: caption strip, then the panel"
xdotool windowfocus --sync "$window"
# Held until it acts: the keys stay locked for two main ticks after the
# last Z, and a busy machine may tick slowly. One press toggles once.
xdotool keydown alt keydown Return
# 320 x 180 on 1280 x 800: four times, 40 rows above and below; the device
# is told 20 more, the input window starting 20 above the screen.
wait_for "put movie destination at 0 60 1280 720"
xdotool keyup Return keyup alt
expect_picture full-keep-caption "0 40 1280 720"
# The caption strip: 800 / 24 + 4 = 37 rows at the bottom, white text on black.
white=$("$box" "$work/full-keep-caption.png" FFFFFF 60 --in 0 764 1280 36 | cut -d' ' -f1,3,5)
echo "  caption text: x, width, pixels: $white"
set -- $white
[ "$3" -gt 50 ] || fail "no caption text in the strip"
# "Caption one": 11 half-width cells, each half the 33-pixel font, start at
# (1280 - 33 * 11 / 2) / 2 = 549 and end by 549 + 181.
[ "$1" -ge 549 ] && [ "$1" -le 555 ] && [ $(($1 + $2)) -le 733 ] || fail "the caption is not centred"

xdotool mousemove 640 300 click 1
wait_for "put movie destination at 0 60 1280 720" 2
# The panel covers the bottom 72 rows.
expect_picture full-keep-panel "0 40 1280 688"
panel=$("$box" "$work/full-keep-panel.png" C0C0C0 8 --in 0 728 1280 72 | cut -d' ' -f5)
[ "$panel" -gt 20000 ] || fail "no panel at the bottom ($panel grey pixels)"

echo "3. full screen, stretched"
xdotool mousemove 640 300 click 1
wait_for "put movie destination at 0 60 1280 720" 3
sleep 0.5
key x
wait_for "put movie destination at 0 20 1280 800"
# The whole screen but the caption strip.
expect_picture full-stretch-caption "0 0 1280 764"
sleep 1
xdotool mousemove 640 300 click 1
wait_for "put movie destination at 0 20 1280 800" 2
expect_picture full-stretch-panel "0 0 1280 728"

echo "4. a right click leaves full screen"
xdotool mousemove 640 300 click 3
wait_for "put movie destination at 0 0 320 180" 3
expect_picture window-back "100 150 320 180"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" = 0 ] || fail "the player ended with status $status"
grep -q $'^FullscreenFitMode=5\r$' "$work/prog/RQ01.CFG" || fail "the stretch was not kept"
echo "ok"
