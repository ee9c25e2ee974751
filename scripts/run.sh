#!/usr/bin/env bash
# Builds Kalvenor and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/app -DCMAKE_BUILD_TYPE=Release -DKALVENOR_TESTS=OFF >/dev/null
cmake --build build/app -j "$(nproc)" --target kalvenor
exec build/app/src/ui/kalvenor "$@"
