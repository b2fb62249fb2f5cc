#!/usr/bin/env bash
# Installs what is missing, builds the player and its tests, runs every test,
# then builds the Debian package and checks it.
# Usage: ./test.sh [--sanitize]   (--sanitize: AddressSanitizer + UndefinedBehaviorSanitizer;
#                                  tests only, no package)
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
