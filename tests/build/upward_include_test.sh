#!/usr/bin/env bash
# A room may not include a room above it. The build refuses (a room's
# include folder holds only its own room and those below), and so does the
# include check, which also covers headers that only upper rooms include.
# Usage: upward_include_test.sh CXX ROOM_INCLUDES SRC_DIR CHECKER
set -euo pipefail
cxx=$1 rooms=$2 src=$3 checker=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# media/ stands above video/ and below transport/.
printf '#include "video/layout.h"\n' > "$work/down.cpp"
"$cxx" -std=c++20 -fsyntax-only -I"$rooms/media" "$work/down.cpp"
printf '#include "transport/commands.h"\n' > "$work/up.cpp"
if "$cxx" -std=c++20 -fsyntax-only -I"$rooms/media" "$work/up.cpp" 2>"$work/err"; then
  echo "media/ could include transport/"
  exit 1
fi
grep -q 'transport/commands.h' "$work/err" || { cat "$work/err"; exit 1; }

"$checker" "$src"
cp -r "$src" "$work/src"
echo '#include "app/player_lifecycle.h"' >> "$work/src/skin/text_renderer.h"
if "$checker" "$work/src" > "$work/out"; then
  echo "the include check missed skin/ including app/"
  exit 1
fi
grep -q '^skin/text_renderer.h includes app/' "$work/out" || { cat "$work/out"; exit 1; }
echo "upward includes refused"
