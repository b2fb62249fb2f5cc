#!/usr/bin/env bash
# Checks the include graph of src/ against the declared order of its rooms:
# a file may include headers of its own room and of the rooms below it.
# Prints every include that reaches up and fails when there is one.
# Usage: scripts/check_layers.sh [SRC_DIR]
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
# Bottom to top; the same order as RQ_ROOMS in CMakeLists.txt.
rooms=(platform skin core playlist panels video media face transport qt mpv app)

rank() {
  local i
  for i in "${!rooms[@]}"; do [ "${rooms[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}

bad=0
while IFS= read -r file; do
  rel=${file#"$src"/}
  room=${rel%%/*}
  [ "$room" = "$rel" ] && continue  # main.cpp stands above every room
  own=$(rank "$room")
  if [ "$own" -lt 0 ]; then
    echo "$rel: room '$room' is not in the declared order"
    bad=1
    continue
  fi
  while IFS= read -r target; do
    to=$(rank "$target")
    [ "$to" -lt 0 ] && continue  # a header of the same folder, or a generated one
    if [ "$to" -gt "$own" ]; then
      echo "$rel includes $target/: $target stands above $room"
      bad=1
    fi
  done < <(sed -n 's/^#include "\([a-z_]*\)\/.*/\1/p' "$file" | sort -u)
done < <(find "$src" -name '*.h' -o -name '*.cpp' -o -name '*.in' | sort)
exit $bad
