#!/usr/bin/env bash
# The real binary on a virtual display with a white root: the face's
# cut-away corners show the root, on the screen as the server holds it and
# in a dump that reads the screen window by window (xwd), as screenshot
# tools of the desktop do.
#   shape_e2e_test.sh RQ810Z PICTURE_BOX [SHOTS_DIR]
set -euo pipefail
binary="$1"
box="$2"
shots="${3:-}"
work=$(mktemp -d)
pid=""
source "$(dirname "$0")/../support/xvfb.sh"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; stop_display; rm -rf "$work"' EXIT

mkdir -p "$work/prog"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
: > "$work/prog/RQ01.rql"
# The face at 0, 0 and the video window below it at 0, 92: nothing of the
# player's own lies behind the corners.
export RQ810Z_ENGINE=sim XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
start_display -wr || exit 1

"$work/prog/rq810z" > "$work/player.out" 2>&1 &
pid=$!
face_window > /dev/null || { echo "FAIL: no face"; cat "$work/player.out"; exit 1; }
sleep 1  # the first tick has shaped and painted the face

ffmpeg -loglevel error -y -f x11grab -video_size 1280x800 -i "$DISPLAY" -frames:v 1 "$work/screen.png"
xwd -root -silent > "$work/dump.xwd"
ffmpeg -loglevel error -y -i "$work/dump.xwd" "$work/dump.png"
[ -n "$shots" ] && cp "$work/screen.png" "$work/dump.png" "$shots/"

status=0
# White pixels in a rectangle, and its area.
white() { "$box" "$work/$1.png" FFFFFF 8 --in "$2" "$3" "$4" "$5" | cut -d' ' -f5; }
expect() {
  local shot="$1" what="$2" want="$3" x="$4" y="$5" w="$6" h="$7" got
  got=$(white "$shot" "$x" "$y" "$w" "$h")
  [ "$want" = all ] && want=$((w * h))
  if [ "$got" != "$want" ]; then
    echo "FAIL: $shot: $what ($x, $y, $w x $h): $got white pixels, not $want"
    status=1
  fi
}
for shot in screen dump; do
  expect "$shot" "left foot's corner" all 0 88 22 4
  expect "$shot" "right foot's corner" all 384 88 22 4
  expect "$shot" "between the feet" all 87 90 232 2
  # The face itself is there, over its whole outline.
  expect "$shot" "the face" 0 0 0 406 88
  expect "$shot" "the feet" 0 22 88 362 2
done
[ "$status" = 0 ] && echo "ok: the corners show the root"
exit "$status"
