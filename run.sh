#!/usr/bin/env bash
# Installs what is missing, builds a Release binary and starts the player.
# Usage: ./run.sh [media file]
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DRQ_TESTS=OFF -DRQ_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target rq810z
exec build/release/rq810z "$@"
