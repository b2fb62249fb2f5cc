# Sourced by the end-to-end tests: a virtual display of the test's own.
# Needs $work (a scratch folder). Sets DISPLAY; kills the server on exit.

xvfb=""
stop_display() { [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; xvfb=""; }

# -displayfd picks a free number without races. The server is started again
# if it does not answer, so a slow or failed start of the server is not
# taken for a fault of the player. Arguments go to the server (-wr: a white
# root); $screen, when set, is the screen's WxHxD.
start_display() {
  local attempt
  for attempt in 1 2 3; do
    : > "$work/display"
    Xvfb -displayfd 5 -screen 0 "${screen:-1280x800x24}" -nolisten tcp -noreset "$@" 5>"$work/display" 2>>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
      [ -s "$work/display" ] && break
      sleep 0.1
    done
    if [ -s "$work/display" ]; then
      export DISPLAY=":$(head -n1 "$work/display")"
      for _ in $(seq 100); do
        xwininfo -root >/dev/null 2>&1 && return 0
        sleep 0.1
      done
    fi
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=""
  done
  echo "no X server could be started"
  cat "$work/xvfb.log"
  return 1
}

# Prints the id of the player's face window once it is mapped; fails after 15 s.
face_window() {
  local w
  for _ in $(seq 150); do
    w=$(xwininfo -root -tree 2>/dev/null | grep 'RQ810Z"' | awk '{print $1}' | head -n1 || true)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
