#!/usr/bin/env bash
# The player in a Wayland session, in a real compositor (weston, headless):
# with XWayland its face comes up as an X window at the place its settings
# give, and a clip plays; without an X display it says once what Wayland
# cannot give it, and still plays.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
weston=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

for tool in weston Xwayland xwininfo ffmpeg; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 0; }
done

mkdir -p "$work/prog" "$work/runtime"
chmod 700 "$work/runtime"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -t 20 -c:v mpeg1video \
  -f mpeg "$work/clip.mpg"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime" XDG_SESSION_TYPE=wayland
export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAIL: $*"
  echo "--- player"; cat "$work/player.out" 2>/dev/null || true
  echo "--- weston"; tail -n 20 "$work/weston.log" 2>/dev/null || true
  exit 1
}

# Starts weston (with XWayland when asked); sets WAYLAND_DISPLAY, and
# DISPLAY to XWayland's display.
start_weston() {
  [ -n "$weston" ] && { kill "$weston"; wait "$weston" 2>/dev/null || true; }
  : > "$work/weston.log"
  weston --backend=headless-backend.so --width=1280 --height=800 --socket=wl-rq \
    --idle-time=0 "$@" > "$work/weston.log" 2>&1 &
  weston=$!
  for _ in $(seq 100); do
    [ -S "$work/runtime/wl-rq" ] && break
    sleep 0.1
  done
  [ -S "$work/runtime/wl-rq" ] || fail "weston did not start"
  export WAYLAND_DISPLAY=wl-rq
  unset DISPLAY
  if [ "${1:-}" = "--xwayland" ]; then
    for _ in $(seq 100); do
      grep -q 'xserver listening on display' "$work/weston.log" && break
      sleep 0.1
    done
    DISPLAY=$(grep -o 'xserver listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*')
    [ -n "$DISPLAY" ] || fail "weston started no XWayland"
    export DISPLAY
  fi
}

# Positions the device reported for the clip, in order.
positions() { awk -F'\t' '$1 == "status movie position" && $2 == 0 { print $3 }' "$work/mci.log" 2>/dev/null; }
# The clip plays: it was opened and the position moved past a second.
wait_playing() {
  for _ in $(seq 200); do
    [ "$(positions | tail -n1)" -gt 1000 ] 2>/dev/null && return 0
    kill -0 "$pid" 2>/dev/null || fail "the player ended"
    sleep 0.1
  done
  fail "the clip did not play: last position $(positions | tail -n1)"
}
run_player() {
  rm -f "$work/mci.log"
  (cd "$work/prog" && RQ810Z_MCI_LOG="$work/mci.log" exec ./rq810z) > "$work/player.out" 2>&1 &
  pid=$!
}
quit_player() {
  kill -TERM "$pid"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the player did not end after SIGTERM"
  wait "$pid" || true
  pid=""
}

echo "1. a Wayland session with XWayland: the face is an X window at its place, and plays"
start_weston --xwayland
# A first start writes the settings; then the face goes to 200, 150 and the
# video window below it.
: > "$work/prog/RQ01.rql"
run_player
for _ in $(seq 100); do [ -s "$work/prog/RQ01.CFG" ] && break; sleep 0.1; done
quit_player
awk '/^\[/ { s = $0; sub(/\r$/, "", s) }
     s == "[WindowPoint]" && /^x=/ { print "x=200\r"; next }
     s == "[WindowPoint]" && /^y=/ { print "y=150\r"; next }
     s == "[VideoWindowPoint]" && /^x=/ { print "x=200\r"; next }
     s == "[VideoWindowPoint]" && /^y=/ { print "y=242\r"; next } { print }' \
  "$work/prog/RQ01.CFG" > "$work/settings" && mv "$work/settings" "$work/prog/RQ01.CFG"
printf '%s\r\n' "$work/clip.mpg" > "$work/prog/RQ01.rql"
run_player
face=""
for _ in $(seq 150); do
  face=$(xwininfo -root -tree 2>/dev/null | grep 'RQ810Z"' | grep -v Video || true)
  [ -n "$face" ] && break
  sleep 0.1
done
[ -n "$face" ] || fail "no X window of the face on XWayland"
# The window is mapped before the compositor has moved it to its place.
for _ in $(seq 50); do
  echo "$face" | grep -q '406x92+[0-9]*+[0-9]*  +200+150' && break
  sleep 0.1
  face=$(xwininfo -root -tree 2>/dev/null | grep 'RQ810Z"' | grep -v Video || true)
done
echo "$face" | grep -q '406x92+[0-9]*+[0-9]*  +200+150' || fail "the face is not at 200, 150: $face"
wait_playing
grep -q 'Wayland' "$work/player.out" && fail "spoke of Wayland although XWayland was there"
quit_player

echo "2. no X display: it says so once, and plays on Wayland"
start_weston
run_player
wait_playing
[ "$(grep -c 'running on Wayland' "$work/player.out")" = 1 ] ||
  fail "the Wayland line was not said exactly once"
quit_player
echo "PASS"
