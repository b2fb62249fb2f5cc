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

source "$(dirname "$0")/../support/xvfb.sh"
trap 'stop_display; rm -rf "$work"' EXIT
start_display || exit 1

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
