#!/usr/bin/env bash
# Installs what the benchmarks need, builds them with KALVENOR_BENCH=ON and
# runs them: the day-number conversions against std::chrono, business days
# against day counts, the batch throughput of kalvenor-cli against
# dateutils, and the time a line of a pipe waits for its answer.
# Usage: bash bench/run.sh    (BUILD_DIR overrides build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh bench

build=${BUILD_DIR:-build/bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKALVENOR_BENCH=ON \
  -DKALVENOR_GUI=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target day_number_bench business_days_bench pipe_latency \
  kalvenor-cli

echo "== day number conversions, engine against std::chrono"
"$build/bench/day_number_bench" --benchmark_min_time=0.5
echo
echo "== business days against day counts"
"$build/bench/business_days_bench" --benchmark_min_time=0.5
bench/workdays.sh "$build/src/cli/kalvenor-cli"
echo
echo "== batch throughput, kalvenor-cli against dateutils"
bench/batch.sh "$build/src/cli/kalvenor-cli"
echo
echo "== a line of a pipe, from writing it to reading its answer"
"$build/bench/pipe_latency" "$build/src/cli/kalvenor-cli"
