#!/usr/bin/env bash
# The real binary on a virtual display, started in an English and in a
# Japanese locale: a right click on FILE opens the playlist editor, a click
# on CONFIG the settings dialog, and their titles are in the locale's
# language (the texts as written for any language but English).
set -euo pipefail
binary="$1"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT

mkdir -p "$work/prog"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"

export RQ810Z_ENGINE=sim XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
unset LANGUAGE LC_ALL LC_MESSAGES

source "$(dirname "$0")/../support/xvfb.sh"
trap 'stop_display; [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
start_display || exit 1

# Waits for a window whose whole name is $1; fails naming $2 otherwise.
wait_window() {
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -qF " \"$1\": " && return 0
    sleep 0.1
  done
  echo "FAIL ($lang): no window titled \"$1\" ($2); windows:"
  xwininfo -root -tree | grep '"' || true
  exit 1
}

check() {
  lang="$1" editor="$2" settings="$3"
  # Saved settings: the face at 400, 400, clear of the video window at the
  # top left, and the editor's rectangle.
  sed -e '2s/x=/x=400/' -e '3s/y=/y=400/' -e '26s/x=/x=10/' -e '27s/y=/y=10/' \
    -e '28s/Width=/Width=200/' -e '29s/Height=/Height=320/' "$work/prog/RQ01.sys" > "$work/prog/RQ01.CFG"
  LANG="$lang" "$work/prog/rq810z" &
  pid=$!
  for _ in $(seq 150); do
    xwininfo -root -tree 2>/dev/null | grep 'RQ810Z"' | grep -q ' 406x92+400+400 ' && break
    sleep 0.1
  done
  sleep 1  # the first tick has built the face
  xdotool mousemove 622 430 click 3  # FILE, right button
  wait_window "$editor" "the playlist editor"
  xdotool mousemove 435 427 click 1  # CONFIG
  wait_window "$settings" "the settings dialog"
  xdotool key Escape
  kill -TERM "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  echo "$lang: \"$editor\", \"$settings\""
}

check en_US.UTF-8 "Narabemaru Playlist Editor" "Operation Settings"
check ja_JP.UTF-8 "ならべ丸" "操作設定ダイアログ"
echo ok
