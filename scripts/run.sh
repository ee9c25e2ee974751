#!/usr/bin/env bash
# Builds Kalvenor and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" --target kalvenor
exec build/release/src/ui/kalvenor "$@"
