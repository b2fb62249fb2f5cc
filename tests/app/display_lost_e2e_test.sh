#!/usr/bin/env bash
# The X server dies under the running player (SIGKILL): the player saves
# its settings and its default playlist as POWER would, says so, and exits
# with a non-zero status of its own, neither hanging nor killed by a signal.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
pid=""
source "$(dirname "$0")/../support/xvfb.sh"
trap '[ -n "$pid" ] && kill -9 $pid 2>/dev/null; stop_display; rm -rf "$work"' EXIT

mkdir -p "$work/prog" "$work/new dir" "$work/config"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
clip="$work/new dir/clip.avi"
ffmpeg -loglevel error -f lavfi -i testsrc=size=160x120:rate=25 -t 4 -c:v mpeg4 "$clip"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null RQ810Z_MCI_LOG="$work/mci.log" XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb
start_display || exit 1

fail() { echo "$1"; echo "--- stderr"; cat "$work/err" 2>/dev/null || true; exit 1; }

# What an earlier run saved, ended the orderly way; then another list.
"$work/prog/rq810z" 2> "$work/err" &
pid=$!
face_window > /dev/null || fail "no window"
kill -TERM "$pid"
wait "$pid" || fail "the first run failed"
grep -q '^x=0'$'\r' "$work/prog/RQ01.CFG" || fail "the first run saved no settings"
printf '/old/gone.avi\r\n' > "$work/prog/RQ01.rql"

"$work/prog/rq810z" "$clip" 2> "$work/err" &
pid=$!
window=$(face_window) || fail "no window"
for _ in $(seq 300); do
  grep -q $'^play movie\t' "$work/mci.log" 2>/dev/null && break
  sleep 0.05
done
grep -q $'^play movie\t' "$work/mci.log" || fail "the clip did not play"
# Moved as a user drags it; the player takes the place from the move.
xdotool windowmove "$window" 300 200
for _ in $(seq 50); do
  xwininfo -id "$window" | grep -q 'Absolute upper-left X:  300' && break
  sleep 0.1
done
sleep 0.5

kill -KILL "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=""
status=0
for _ in $(seq 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the player froze when the display went away"
wait "$pid" || status=$?
pid=""
echo "exit status $status"
cat "$work/err"
[ "$status" -ne 0 ] || fail "the player exited with status 0"
[ "$status" -lt 128 ] || fail "the player was ended by signal $((status - 128))"
grep -q '^rq810z: the display is gone' "$work/err" || fail "no line on stderr"

# Whole: every line of the template, each ended with CR LF.
cfg="$work/prog/RQ01.CFG"
[ "$(wc -l < "$cfg")" -eq "$(wc -l < "$work/prog/RQ01.sys")" ] || fail "RQ01.CFG is not whole"
[ "$(grep -c $'\r$' "$cfg")" -eq "$(wc -l < "$cfg")" ] || fail "RQ01.CFG has a line without CR LF"
# Current: the place it was moved to and the folder of the clip played.
head -n 3 "$cfg" | tr -d '\r' | tr '\n' ' ' | grep -qx '\[WindowPoint\] x=300 y=200 ' ||
  fail "the window's place was not saved: $(head -n 3 "$cfg" | tr -d '\r' | tr '\n' ' ')"
grep -qF "=$work/new dir/"$'\r' "$cfg" || fail "the clip's folder was not saved"
[ "$(cat "$work/prog/RQ01.rql")" = "$clip"$'\r' ] || fail "RQ01.rql: $(cat -A "$work/prog/RQ01.rql")"
ls "$work/prog" | grep -q '\.tmp' && fail "a temporary file was left: $(ls "$work/prog")"
echo "ok"
