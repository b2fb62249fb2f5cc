#!/usr/bin/env bash
# The real binary on a virtual display with libmpv: its window appears with
# its title and size, and a SIGTERM ends it the orderly way (settings and
# playlist saved, the device closed).
set -euo pipefail
binary="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/prog" "$work/media dir"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
# Saved settings that place the window at 100, 60.
sed -e '2s/x=/x=100/' -e '3s/y=/y=60/' "$work/prog/RQ01.sys" > "$work/prog/RQ01.CFG"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
  -t 2 -c:v mpeg4 -c:a mp3 "$work/media dir/clip one.avi"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null RQ810Z_MCI_LOG="$work/mci.log" XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb

# A display of our own; -displayfd picks a free number without races.
# Started again if it does not answer, so a slow or failed start of the
# server is not taken for a fault of the player.
xvfb=""
trap '[ -n "$xvfb" ] && kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
start_display() {
  : > "$work/display"
  Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$work/display" 2>>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || return 1
  export DISPLAY=":$(head -n1 "$work/display")"
  for _ in $(seq 100); do
    xwininfo -root >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
for attempt in 1 2 3; do
  start_display && break
  kill $xvfb 2>/dev/null || true
  wait $xvfb 2>/dev/null || true
  xvfb=""
  [ $attempt = 3 ] && { echo "no X server could be started"; cat "$work/xvfb.log"; exit 1; }
done

"$work/prog/rq810z" "$work/media dir/clip one.avi" &
pid=$!
geometry=""
for _ in $(seq 150); do
  geometry=$(xwininfo -root -tree 2>/dev/null | grep 'RQ810Z"' | grep -oE ' [0-9]+x[0-9]+\+[0-9]+\+[0-9]+' | tr -d ' ' | head -n1 || true)
  [ -n "$geometry" ] && break
  sleep 0.1
done
echo "window: ${geometry:-none}"
kill -TERM "$pid"
wait "$pid"
[ "$geometry" = "406x92+100+60" ] || { echo "no 406x92 window titled RQ810Z at 100, 60"; exit 1; }

test -s "$work/prog/RQ01.CFG" || { echo "no settings written"; exit 1; }
head -n 3 "$work/prog/RQ01.CFG" | tr -d '\r' | tr '\n' ' ' | grep -qx '\[WindowPoint\] x=100 y=60 ' ||
  { echo "settings not saved back"; exit 1; }
test -f "$work/prog/RQ01.rql" || { echo "no playlist written"; exit 1; }
tail -n1 "$work/mci.log" | grep -q $'^close movie\t' || { echo "last command was not close movie"; cat "$work/mci.log"; exit 1; }
echo "ok"
