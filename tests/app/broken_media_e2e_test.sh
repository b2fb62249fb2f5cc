#!/usr/bin/env bash
# The real binary with libmpv on a virtual display plays a default playlist
# that mixes good clips with damaged downloads and odd entries: every good
# clip plays, in order; every other entry is passed within 2 s; the player
# never stops answering (its tick keeps talking to the device) and never
# crashes. Every command is time-stamped as it is sent, through a pipe.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb.sh"
source "$(dirname "$0")/../support/command_log.sh"
pid=""
logger=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$logger" ] && kill "$logger" 2>/dev/null
  stop_display
  if [ -n "${RQ_KEEP_WORK:-}" ]; then echo "work folder kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

m="$work/media"
mkdir -p "$work/prog" "$m"
cp "$binary" "$work/prog/rq810z"
cp "$(dirname "$binary")/RQ01.sys" "$work/prog/"

clip() {  # clip FILE [ffmpeg output options...]: a 1 s test picture with a tone
  local out="$1"
  shift
  ffmpeg -loglevel error -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
    -t 1 "$@" "$out"
}
clip "$work/good.mpg" -c:v mpeg1video -c:a mp2 -f mpeg

# The list as the player reads it: path, whether it must play, and the name
# the device is asked to open.
paths=()
kinds=()
good() { cp "$work/good.mpg" "$1"; paths+=("$1"); kinds+=(good); }
bad() { paths+=("$1"); kinds+=(bad); }
n=0
next_good() { n=$((n + 1)); good "$m/good$n.mpg"; }

next_good
: > "$m/empty.mpg"; bad "$m/empty.mpg"
head -c 6000 "$work/good.mpg" > "$m/truncated.mpg"; bad "$m/truncated.mpg"
echo "this is a letter, not a film" > "$m/letter.mpg"; bad "$m/letter.mpg"
mkdir -p "$m/x.avi"; cp "$work/good.mpg" "$m/x.avi/inside.mpg"; bad "$m/x.avi"
cp "$work/good.mpg" "$m/locked.mpg"; chmod 000 "$m/locked.mpg"; bad "$m/locked.mpg"
next_good
mkfifo "$m/fifo.mpg"; bad "$m/fifo.mpg"
deep="$m"
while [ ${#deep} -lt 3800 ]; do deep="$deep/$(printf 'd%.0s' $(seq 200))"; done
mkdir -p "$deep"; cp "$work/good.mpg" "$deep/deep.mpg"; bad "$deep/deep.mpg"
long="$m/$(printf 'n%.0s' $(seq 250)).mpg"; cp "$work/good.mpg" "$long"; bad "$long"
next_good
cp "$work/good.mpg" "$m/say \"hi\".mpg"; bad "$m/say \"hi\".mpg"
cp "$work/good.mpg" "$m/  blanks  around  .mpg"; bad "$m/  blanks  around  .mpg"
# A name with a line end cannot be a list line: the list holds its first half.
cp "$work/good.mpg" "$m/new"$'\n'"line.mpg"; bad "$m/new"
cp "$work/good.mpg" "$m/bad"$'\xff\xfe'"utf8.mpg"; bad "$m/bad"$'\xff\xfe'"utf8.mpg"
cp "$work/good.mpg" "$m/deleted.mpg"; bad "$m/deleted.mpg"
next_good
clip "$m/oneframe.avi" -frames:v 1 -c:v mpeg4 -an; bad "$m/oneframe.avi"
ffmpeg -loglevel error -f lavfi -i sine=frequency=330 -t 1 -c:a mp3 "$m/tone.mp3"; bad "$m/tone.mp3"
ffmpeg -loglevel error -f lavfi -i "color=c=red:s=2x2:r=25,scale=1:1" -t 1 -c:v ffv1 "$m/dot.avi"
bad "$m/dot.avi"
# One frame: what is tested is the size, not how fast this machine decodes.
ffmpeg -loglevel error -f lavfi -i testsrc=size=8192x8192:rate=2 -frames:v 1 -c:v mjpeg -q:v 20 \
  -pix_fmt yuvj420p "$m/huge.avi"; bad "$m/huge.avi"
next_good
head -c 200000 /dev/urandom > "$m/noise.avi"; bad "$m/noise.avi"
head -c 5000 "$m/oneframe.avi" > "$m/cut.avi"; bad "$m/cut.avi"
{ head -c 20000 "$work/good.mpg"; head -c 30000 /dev/urandom; tail -c +50001 "$work/good.mpg"; } \
  > "$m/scratched.mpg"; bad "$m/scratched.mpg"
ln -s loop.mpg "$m/loop.mpg"; bad "$m/loop.mpg"
ln -s nowhere.mpg "$m/dangling.mpg"; bad "$m/dangling.mpg"
bad "/dev/zero"
bad "/dev/null"
ffmpeg -loglevel error -f lavfi -i testsrc=size=64x64 -frames:v 1 -f image2 -c:v png "$m/picture.mpg"
bad "$m/picture.mpg"
next_good
bad "$m/missing folder/gone.mpg"
cp "$work/good.mpg" "$m/.mpg"; bad "$m/.mpg"
cp "$work/good.mpg" "$m/50%% \\ | * ? [x].mpg"; bad "$m/50%% \\ | * ? [x].mpg"
bad "$m/./x.avi/../good1.mpg"
cp "$work/good.mpg" "$m/notes.txt"; bad "$m/notes.txt"
bad "$m/"
# A gigabyte of zeros keeps the device probing past the 1.5 s an open
# waits, and for a while after: the next open (a good clip, which has no
# time limit but the silence's) waits for the rest.
truncate -s 1G "$m/sparse.mpg"; bad "$m/sparse.mpg"
next_good

bad_count=0
for k in "${kinds[@]}"; do [ "$k" = bad ] && bad_count=$((bad_count + 1)); done
echo "${#paths[@]} entries: $n good clips, $bad_count odd ones"
[ "$bad_count" -ge 30 ] || { echo "FAIL: fewer than 30 odd entries"; exit 1; }

# The list file holds the name with a line end whole; the player reads it
# as two lines (the second, not a path, is dropped).
for i in "${!paths[@]}"; do
  p="${paths[$i]}"
  [ "$p" = "$m/new" ] && p="$m/new"$'\n'"line.mpg"
  printf '%s\r\n' "$p"
done > "$work/prog/RQ01.rql"

export RQ810Z_ENGINE=mpv RQ810Z_AUDIO=null QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
start_display || exit 1

fail() {
  echo "FAIL: $*"
  [ -f "$work/mci.log" ] && grep -a -n $'^[0-9.]*\topen ' "$work/mci.log" | tail -n 20 | cut -c1-200
  tail -n 20 "$work/player.out" 2>/dev/null
  exit 1
}

# Root reads files of mode 000: the player runs without that power.
as_user=()
[ "$(id -u)" = 0 ] && as_user=(setpriv --inh-caps=-dac_override,-dac_read_search
                               --bounding-set=-dac_override,-dac_read_search --)

# The settings a first start writes, with repeat off.
mv "$work/prog/RQ01.rql" "$work/prog/RQ01.rql.keep"
: > "$work/prog/RQ01.rql"
"${as_user[@]}" "$work/prog/rq810z" > "$work/player.out" 2>&1 &
pid=$!
for _ in $(seq 100); do [ -s "$work/prog/RQ01.CFG" ] && break; sleep 0.1; done
kill -TERM "$pid"
wait "$pid" || true
pid=""
[ -s "$work/prog/RQ01.CFG" ] || fail "no settings written at the first start"
sed -i 's/^Repeat=.*/Repeat=0\r/; s/^Autoplay=.*/Autoplay=1\r/' "$work/prog/RQ01.CFG"
mv "$work/prog/RQ01.rql.keep" "$work/prog/RQ01.rql"
chmod 000 "$m/locked.mpg"

start_command_log
RQ810Z_MCI_LOG="$work/mci.pipe" "${as_user[@]}" "$work/prog/rq810z" > "$work/player.out" 2>&1 &
pid=$!

opens() {
  local n
  n=$(grep -a -c $'^[0-9.]*\topen "' "$work/mci.log" 2>/dev/null) || true
  echo "${n:-0}"
}
# The file listed and then deleted goes once the first entries were opened.
for _ in $(seq 100); do [ "$(opens)" -ge 2 ] && break; sleep 0.1; done
rm -f "$m/deleted.mpg"

# Stopped at the end: the last entry opened, then a close with nothing after.
limit=$(( ${#paths[@]} * 3 + 30 ))
end_line=
for _ in $(seq $((limit * 10))); do
  kill -0 "$pid" 2>/dev/null || fail "the player ended (crashed?) while playing the list"
  if [ "$(opens)" -ge "${#paths[@]}" ] &&
     tail -n 1 "$work/mci.log" | grep -aq $'\tclose movie\t0\t$'; then
    sleep 1
    if tail -n 1 "$work/mci.log" | grep -aq $'\tclose movie\t0\t$'; then
      end_line=$(wc -l < "$work/mci.log")
      break
    fi
  fi
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null || fail "the player ended (crashed?) at the end of the list"
[ -n "$end_line" ] || fail "the list did not reach its end in $limit s"
kill -TERM "$pid"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the player did not end after SIGTERM"
wait "$pid" || true
pid=""
wait "$logger" 2>/dev/null || true
logger=""

# One row per open (fields apart by 0x1F, as a name may be empty or hold
# blanks): its name, its result, the seconds from the command
# before it (a line is stamped when its command returns) to the command
# before the next open, and the furthest position seen in between.
awk -F '\t' '
  function flush(until) { if (opened) printf "%s\037%s\037%.3f\037%d\n", name, rc, until - at, furthest }
  $2 ~ /^open "/ {
    flush(prev)
    name = $2; sub(/^open "/, "", name); sub(/" type mpegvideo alias movie$/, "", name)
    opened = 1; at = prev; rc = $3; furthest = -1
  }
  $2 == "status movie position" && $3 == 0 && $4 + 0 > furthest { furthest = $4 + 0 }
  { prev = $1 }
  END { flush(prev) }' "$work/mci.log" > "$work/opens.tsv"

rows=$(wc -l < "$work/opens.tsv")
[ "$rows" -eq "${#paths[@]}" ] || { tr '\037' '|' < "$work/opens.tsv" | cut -c1-100; fail "$rows opens for ${#paths[@]} entries"; }
# The bounds catch a freeze, not a slow machine: the figures themselves
# (the goal is 2 s an entry) are printed for the record.
failures=0
slowest="0 none"
i=0
while IFS=$'\037' read -r name rc seconds furthest; do
  want="${paths[$i]##*/}"
  kind="${kinds[$i]}"
  i=$((i + 1))
  if [ "$name" != "$want" ]; then
    echo "entry $i: opened \"$name\", expected \"$want\""
    failures=$((failures + 1))
  elif [ "$kind" = good ] && { [ "$rc" != 0 ] || [ "$furthest" -lt 800 ]; }; then
    echo "entry $i ($want): a good clip did not play (open $rc, reached $furthest ms)"
    failures=$((failures + 1))
  elif [ "$kind" = bad ]; then
    awk -v s="$seconds" -v w="${slowest% *}" 'BEGIN { exit !(s > w) }' && slowest="$seconds ${want:0:60}"
    if awk -v s="$seconds" 'BEGIN { exit !(s > 5.0) }'; then
      echo "entry $i (${want:0:60}): passed after $seconds s"
      failures=$((failures + 1))
    fi
  fi
done < "$work/opens.tsv"

# The tick talks to the device many times a second while a list plays; a
# silence means the window froze. An open waits for the device, at most
# 1.5 s for a file that never settles.
gap=$(awk -F '\t' -v end="$end_line" 'NR > end { exit }
                   NR > 1 && $1 - prev > worst { worst = $1 - prev; where = NR }
                   { prev = $1 } END { printf "%.3f %d", worst, where }' "$work/mci.log")
echo "slowest odd entry: ${slowest% *} s (${slowest#* })"
echo "longest silence: ${gap% *} s (before line ${gap#* } of the command log)"
awk -v g="${gap% *}" 'BEGIN { exit !(g > 5.0) }' && { echo "the player froze"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || fail "$failures entries or silences out of bounds"
echo "ok"
