#!/usr/bin/env bash
# Start-up time and peak memory of kalvenor against a bare Qt window, as
# whole processes on the offscreen platform.
# Usage: bash bench/startup/run.sh [runs]    (BUILD_DIR overrides build/startup)
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh bench
build=${BUILD_DIR:-build/startup}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKALVENOR_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target bare_window kalvenor_startup startup_bench
"$build/bench/startup/startup_bench" "${1:-30}" "$build/bench/startup/bare_window" \
  "$build/src/ui/kalvenor_startup"
