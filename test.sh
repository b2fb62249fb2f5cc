#!/usr/bin/env bash
# Installs what is missing, builds the player and its tests, runs every test,
# then builds the Debian package and checks it, and (where clang is there)
# builds the fuzz targets with libFuzzer and replays their committed corpus.
# Usage: ./test.sh [--sanitize]   (--sanitize: AddressSanitizer + UndefinedBehaviorSanitizer;
#                                  tests only, no package, no fuzzing)
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

dir=build/test
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DRQ_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build/sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DRQ_WERROR=ON -DRQ_SANITIZE=ON -DRQ_BENCH=OFF)
fi
cmake -S . -B "$dir" "${flags[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
(cd "$dir" && ctest --output-on-failure -j"$(nproc)")
[ "${1:-}" = "--sanitize" ] && exit 0
(cd "$dir" && cpack -G DEB >/dev/null)
tests/package/check_package.sh "$dir"/rq810z_*_amd64.deb

if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRQ_FUZZ=ON -DRQ_TESTS=OFF -DRQ_BENCH=OFF >/dev/null
  cmake --build build/fuzz --target rq_fuzzers -j"$(nproc)"
  (cd build/fuzz && ctest --output-on-failure -j"$(nproc)")
fi
