#!/usr/bin/env bash
# The real binary with libmpv on a virtual display plays its default
# playlist: in order, stopping at the end or wrapping with repeat on, past
# an unplayable entry; the picture shows in the video window; a SIGTERM ends
# it as POWER does, with the playlist and the settings saved.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb.sh"
trap 'stop_display; rm -rf "$work"' EXIT

mkdir -p "$work/prog" "$work/media"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
for name in a b c; do
  ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
    -t 1 -c:v mpeg1video -c:a mp2 -f mpeg "$work/media/$name.mpg"
done
echo "not a clip" > "$work/media/junk.mpg"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
start_display || exit 1

fail() { echo "FAIL: $*"; [ -f "$work/mci.log" ] && tail -n 30 "$work/mci.log"; exit 1; }

# The settings a first start writes, with repeat as asked and the video
# window below the face.
write_settings() {
  awk -v repeat="$1" '
    /^\[/ { section = $0 }
    section == "[VideoWindowPoint]" && /^y=/ { print "y=120\r"; next }
    /^Repeat=/ { print "Repeat=" repeat "\r"; next }
    { print }' "$work/defaults.cfg" > "$work/prog/RQ01.CFG"
}

# Starts the player with a fresh log; waits until `condition` holds.
run_player() {
  rm -f "$work/mci.log"
  RQ810Z_MCI_LOG="$work/mci.log" "$work/prog/rq810z" > "$work/player.out" 2>&1 &
  pid=$!
}
wait_for() {
  local what="$1" condition="$2"
  for _ in $(seq 300); do
    eval "$condition" && return 0
    kill -0 "$pid" 2>/dev/null || fail "player ended while waiting for $what"
    sleep 0.1
  done
  fail "timed out waiting for $what"
}
quit_player() {
  kill -TERM "$pid"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "player did not end after SIGTERM"
  wait "$pid" || true
}
opened() { grep -oE '^open "[^"]*"' "$work/mci.log" 2>/dev/null | sed 's/^open "//; s/"$//' | tr '\n' ' '; }
playlist() {
  for name in "$@"; do printf '%s\r\n' "$work/media/$name"; done > "$work/prog/RQ01.rql"
}

echo "0. a first start writes the default settings"
: > "$work/prog/RQ01.rql"
run_player
wait_for "the settings file" '[ -s "$work/prog/RQ01.CFG" ]'
quit_player
cp "$work/prog/RQ01.CFG" "$work/defaults.cfg"
grep -q $'^Autoplay=1\r$' "$work/defaults.cfg" || fail "autoplay is not on by default"

echo "1. repeat off: the list plays in order and stops; the list file survives byte for byte"
write_settings 0
playlist a.mpg b.mpg c.mpg
cp "$work/prog/RQ01.rql" "$work/list.before"
run_player
# Stopped at the end: the last clip's close, with nothing opened after it.
wait_for "three clips and the stop" '[ "$(opened)" = "a.mpg b.mpg c.mpg " ] && tail -n1 "$work/mci.log" | grep -q "^close movie"$'"'"'\t0'"'"
sleep 0.5
[ "$(tail -n1 "$work/mci.log" | cut -f1)" = "close movie" ] || fail "still talking to the device after the end"
quit_player
cmp "$work/list.before" "$work/prog/RQ01.rql" || fail "RQ01.rql changed"
grep -q $'^Repeat=0\r$' "$work/prog/RQ01.CFG" || fail "RQ01.CFG not saved"

echo "2. repeat on: the list wraps to the first clip"
write_settings 1
run_player
wait_for "the fourth open" '[ "$(opened)" = "a.mpg b.mpg c.mpg a.mpg " ]'
quit_player

echo "3. an unplayable entry between two clips: both clips play"
write_settings 0
playlist a.mpg junk.mpg c.mpg
run_player
wait_for "the last clip" '[ "$(opened)" = "a.mpg junk.mpg c.mpg " ]'
wait_for "the stop at the end" 'tail -n1 "$work/mci.log" | grep -q "^close movie"$'"'"'\t0'"'"
grep -A3 '^open "c.mpg"' "$work/mci.log" | grep -q $'^stop movie\t0' || fail "c.mpg was not opened by the device"
quit_player

echo "4. the picture shows in the video window; SIGTERM saves every row with CR LF"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -t 20 -c:v mpeg1video -f mpeg "$work/media/long.mpg"
playlist long.mpg a.mpg b.mpg
run_player
wait_for "playback" 'grep -q "^play movie"$'"'"'\t0'"'"' "$work/mci.log" 2>/dev/null'
sleep 1.5
# The video window stands at 0, 120 with the clip's size: count lit bytes.
lit=$(ffmpeg -loglevel error -f x11grab -video_size 320x240 -i "$DISPLAY+0,120" -frames:v 1 \
        -f rawvideo -pix_fmt gray - | od -An -v -tu1 | tr -s ' ' '\n' | awk '$1 > 40 { n++ } END { print n + 0 }')
echo "lit pixels in the video window: $lit of 76800"
[ "$lit" -gt 38400 ] || fail "the video window does not show the picture"
quit_player
printf '%s\r\n' "$work/media/long.mpg" "$work/media/a.mpg" "$work/media/b.mpg" > "$work/list.expected"
cmp "$work/list.expected" "$work/prog/RQ01.rql" || fail "RQ01.rql is not every row with CR LF"
echo "ok"
