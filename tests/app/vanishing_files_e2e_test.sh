#!/usr/bin/env bash
# The real binary with libmpv on a virtual display plays a list whose files
# are spoiled while they play: deleted, truncated, overwritten in place with
# noise, replaced by another file, and the folder of the last entries
# unmounted (a tmpfs the test mounts; renamed away where it may not mount).
# Every entry is opened in order, the last one (untouched) plays to its
# end, the face never goes silent for over 2 s and the player never crashes.
# An entry whose folder was renamed away does not play the file of its name
# in the folder above.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb.sh"
source "$(dirname "$0")/../support/command_log.sh"
pid=""
logger=""
mounted=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$logger" ] && kill "$logger" 2>/dev/null
  [ -n "$mounted" ] && umount -l "$mounted" 2>/dev/null
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

m="$work/media"
stick="$work/stick"
mkdir -p "$work/prog" "$m" "$stick" "$work/config"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"
# Far more bytes than libmpv reads ahead, so the spoiling meets unread parts.
ffmpeg -loglevel error -f lavfi -i testsrc=size=640x480:rate=25 -f lavfi -i sine=frequency=440 \
  -t 5 -c:v mpeg4 -b:v 8M -c:a mp3 "$work/clip.avi"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=160x120:rate=30 -f lavfi -i sine=frequency=660 \
  -t 3 -c:v mpeg1video -c:a mp2 -f mpeg "$work/other.mpg"

if mount -t tmpfs -o size=16m tmpfs "$stick" 2>/dev/null; then
  mounted="$stick"
  how="unmounted"
else
  how="renamed away (no mount here)"
fi
for name in deleted truncated overwritten replaced last; do cp "$work/clip.avi" "$m/$name.avi"; done
cp "$work/clip.avi" "$stick/first.avi"
cp "$work/clip.avi" "$stick/second.avi"
mkdir "$m/season"
cp "$work/clip.avi" "$m/season/episode.avi"
cp "$work/other.mpg" "$m/episode.avi"
entries=(deleted truncated overwritten replaced stick/first stick/second season/episode last)

# The settings a first start writes, with repeat off and autoplay on.
export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
start_display || exit 1
: > "$work/prog/RQ01.rql"
"$work/prog/rq810z" > /dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do [ -s "$work/prog/RQ01.CFG" ] && break; sleep 0.1; done
kill -TERM "$pid"
wait "$pid" || true
pid=""
[ -s "$work/prog/RQ01.CFG" ] || { echo "FAIL: no settings written at the first start"; exit 1; }
sed -i 's/^Repeat=.*/Repeat=0\r/; s/^Autoplay=.*/Autoplay=1\r/' "$work/prog/RQ01.CFG"
for e in "${entries[@]}"; do
  case "$e" in stick/*) printf '%s\r\n' "$stick/${e#stick/}.avi" ;; *) printf '%s\r\n' "$m/$e.avi" ;; esac
done > "$work/prog/RQ01.rql"

fail() {
  echo "FAIL: $*"
  [ -f "$work/mci.log" ] && grep -a -v $'\tstatus movie' "$work/mci.log" | tail -n 30 | cut -c1-200
  tail -n 20 "$work/player.out" 2>/dev/null
  exit 1
}

start_command_log
RQ810Z_MCI_LOG="$work/mci.pipe" "$work/prog/rq810z" > "$work/player.out" 2>&1 &
pid=$!

# Waits until entry N has been opened and has played for a second.
playing() {
  local want="$1" opened
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || fail "the player ended (crashed?) before entry $want played"
    opened=$(grep -a -c $'\topen "' "$work/mci.log" 2>/dev/null || true)
    if [ "${opened:-0}" -ge "$want" ]; then
      [ "$opened" -eq "$want" ] || fail "entry $want was over before it could be spoiled"
      sleep 1
      return 0
    fi
    sleep 0.05
  done
  fail "entry $want was not opened in 10 s"
}
playing 1; rm "$m/deleted.avi"
playing 2; truncate -s 30000 "$m/truncated.avi"
playing 3; head -c "$(stat -c %s "$m/overwritten.avi")" /dev/urandom |
  dd of="$m/overwritten.avi" conv=notrunc status=none
playing 4; cp "$work/other.mpg" "$m/replaced.new"; mv "$m/replaced.new" "$m/replaced.avi"
playing 5
if [ -n "$mounted" ]; then umount -l "$stick"; mounted=""; else mv "$stick" "$work/stick.gone"; fi
mv "$m/season" "$m/season.gone"
echo "the folder of entries 5 and 6 $how, that of entry 7 renamed, while entry 5 played"

# The list is over: the last entry opened, then a close with nothing after.
for _ in $(seq 300); do
  kill -0 "$pid" 2>/dev/null || fail "the player ended (crashed?) at the end of the list"
  [ "$(grep -a -c $'\topen "' "$work/mci.log" || true)" -ge "${#entries[@]}" ] &&
    tail -n 1 "$work/mci.log" | grep -aq $'\tclose movie\t0\t$' && break
  sleep 0.1
done
kill -TERM "$pid"
wait "$pid" || fail "the player did not end well"
pid=""
wait "$logger" 2>/dev/null || true
logger=""

# Per open: its name, its answer, the furthest position seen (an ended
# file reads as its length) and the seconds until the next open (or the
# last close); and the longest silence of the device.
awk -F '\t' '
  function flush(until) { if (name != "") printf "%s %s %d %.1f\n", name, rc, far, until - at }
  $2 ~ /^open "/ {
    flush($1); name = $2; sub(/^open "/, "", name); sub(/" type.*/, "", name)
    rc = $3; far = -1; at = $1
  }
  $2 == "status movie position" && $3 == 0 && $4 + 0 > far { far = $4 + 0 }
  $2 == "close movie" { closed = $1 }
  END { flush(closed) }' "$work/mci.log" > "$work/opens.txt"
cat "$work/opens.txt"
gap=$(awk -F '\t' 'NR > 1 && $1 - prev > gap { gap = $1 - prev } { prev = $1 }
                   END { printf "%.3f", gap }' "$work/mci.log")
echo "longest silence: $gap s"

i=0
while read -r name rc far seconds; do
  e="${entries[$i]}"
  want="${e#*/}.avi"  # the device opens names in the current folder
  [ "$name" = "$want" ] || fail "open $((i + 1)) was $name, not $want"
  case "$e" in
    # Deleted or replaced, the open file is still there to read to its end.
    deleted | replaced | stick/first | last)
      [ "$rc" = 0 ] && [ "$far" -ge 4500 ] && awk -v s="$seconds" 'BEGIN { exit !(s >= 4.5) }' ||
        fail "$e did not play to its end (open $rc, $far ms in $seconds s)" ;;
    stick/second) [ "$rc" != 0 ] || fail "an entry of the gone folder opened" ;;
    season/episode) [ "$far" = -1 ] || fail "the episode.avi of the folder above played" ;;
  esac
  i=$((i + 1))
done < "$work/opens.txt"
[ "$i" = "${#entries[@]}" ] || fail "$i opens for ${#entries[@]} entries"
awk -v g="$gap" 'BEGIN { exit !(g > 2.0) }' && fail "the face froze for $gap s"
echo "ok"
