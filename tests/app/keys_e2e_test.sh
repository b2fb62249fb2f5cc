#!/usr/bin/env bash
# The real binary on a virtual display with libmpv, typed at through the X
# server: Space pauses, Shift with period and comma go to the marks of the
# index file beside the clip, X doubles the picture, a held N lowers the
# volume (remembered at exit, both channels alike).
set -euo pipefail
binary="$1"
work=$(mktemp -d)
pid=""
source "$(dirname "$0")/../support/xvfb.sh"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; stop_display; rm -rf "$work"' EXIT

mkdir -p "$work/prog" "$work/media" "$work/config"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
clip="$work/media/clip one.avi"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
  -t 6 -c:v mpeg4 -c:a mp3 "$clip"
printf 'made by hand\r\n[IndexTime]\r\n[2000]two\r\n[4000]four\r\n' > "$work/media/clip one.idx"
printf '[00:00]zero\r\n[00:01]one\r\n' > "$work/media/clip one.txt"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null RQ810Z_MCI_LOG="$work/mci.log" XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb

start_display || exit 1

fail() { echo "$1"; cat "$work/mci.log"; exit 1; }
# Waits until the log holds `count` lines that start with the command.
wait_for() {
  local command="$1" count="${2:-1}"
  for _ in $(seq 100); do
    [ "$(grep -c "^$command"$'\t' "$work/mci.log" || true)" -ge "$count" ] && return 0
    sleep 0.05
  done
  fail "no \"$command\" (${count}x) in the command log"
}

"$work/prog/rq810z" "$clip" &
pid=$!
window=$(face_window) || fail "no window"
wait_for "play movie"
xdotool windowfocus --sync "$window"

# Space is read while held: down for a poll or two, up before it repeats.
xdotool keydown space
sleep 0.06
xdotool keyup space
wait_for "pause movie"

# Shift stays down until the mark key is up, as a hand types it.
with_shift() {
  xdotool keydown shift keydown "$1"
  sleep 0.05
  xdotool keyup "$1" keyup shift
}
with_shift period
wait_for "seek movie to 2001"
with_shift period
wait_for "seek movie to 4001"
with_shift comma
wait_for "seek movie to 2001" 2

xdotool key x
wait_for "put movie destination at 0 0 640 480"

xdotool keydown n
sleep 0.3
xdotool keyup n
sleep 0.2

kill -TERM "$pid"
wait "$pid"
pid=""

# Each press moved once: two size steps would have doubled the picture again.
[ "$(grep -c $'^put movie destination at 0 0 640 480\t' "$work/mci.log")" = 1 ] ||
  fail "X stepped the picture more than once"
grep -q $'^put movie destination at 0 0 1280' "$work/mci.log" && fail "X stepped twice"
volume=$(cat "$work/config/rq810z-wave-out-volume")
left=$((volume & 0xFFFF))
right=$((volume >> 16))
echo "volume: left $left right $right"
[ "$left" = "$right" ] || fail "channels differ"
[ $((left % 1129)) = 0 ] && [ "$left" -lt 65535 ] && [ "$left" -gt 0 ] ||
  fail "N held did not step the volume down in steps of 1129"
# STOP was never pressed: the index file is as it was.
[ "$(cat "$work/media/clip one.idx")" = $'made by hand\r\n[IndexTime]\r\n[2000]two\r\n[4000]four\r' ] ||
  fail "the index file changed"
echo "ok"
