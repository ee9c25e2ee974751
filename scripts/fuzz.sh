#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for the given number of seconds
# (default 60), starting from the seed corpus in fuzz/corpus/<target>/.
# Fails on the first finding; the input that caused it is left in
# <build>/artifacts/. Longer runs: bash scripts/fuzz.sh 3600
# The build directory is build/fuzz unless KALVENOR_FUZZ_BUILD names another.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${KALVENOR_FUZZ_BUILD:-build/fuzz}
targets=(fuzz_parser fuzz_calc fuzz_cli_stream fuzz_reader)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKALVENOR_FUZZ=ON -DKALVENOR_SANITIZE=ON \
  >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=abort_on_error=0:halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  # New inputs go to a working copy; the checked-in seeds stay as they are.
  work="$build/corpus/$target"
  mkdir -p "$work"
  log="$build/$target.log"
  echo "== $target, ${seconds}s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" \
      "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target: finding, see $build/artifacts/" >&2
    exit 1
  fi
  awk -v t="$target" '
    /stat::number_of_executed_units/ { total = $2 }
    /stat::average_exec_per_sec/ { rate = $2 }
    END { printf "%s: %d execs total, %d execs/s\n", t, total, rate }' "$log"
done
