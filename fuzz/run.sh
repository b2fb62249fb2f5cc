#!/usr/bin/env bash
# Fuzzes each target for a while, one after another.
# Usage: fuzz/run.sh BUILD_DIR SECONDS [reader...]   (BUILD_DIR configured with -DRQ_FUZZ=ON)
# New inputs go to BUILD_DIR/fuzz-corpus/<reader>; the committed seeds are
# only read. A crash leaves its input in BUILD_DIR/fuzz-crashes/ and fails
# the run. Extra libFuzzer options: FUZZ_FLAGS="-runs=1000000".
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  readers=(settings_file list_file skin_surface mci_channel index_file timed_text
           media_info text_decode folder_scan saved_files)
fi
# The companion-file and folder targets write files for every input: keep
# them in memory where there is room.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

mkdir -p "$build/fuzz-crashes"
passed=0
failed=0
for r in "${readers[@]}"; do
  exe="$build/fuzz/${r}_fuzz"
  [ -x "$exe" ] || { echo "missing $exe: build the rq_fuzzers target first" >&2; exit 2; }
  corpus="$build/fuzz-corpus/$r"
  mkdir -p "$corpus"
  dict=()
  [ -f "$here/dict/$r.dict" ] && dict=(-dict="$here/dict/$r.dict")
  log="$build/fuzz-crashes/$r.log"
  start=$(date +%s)
  if "$exe" "$corpus" "$here/corpus/$r" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$build/fuzz-crashes/$r-" ${FUZZ_FLAGS:-} >"$log" 2>&1; then
    result=ok
    passed=$((passed + 1))
  else
    result=FAILED
    failed=$((failed + 1))
    tail -40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "${r}_fuzz: $result, ${runs:-?} executions in $(( $(date +%s) - start )) s"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
