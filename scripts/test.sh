#!/usr/bin/env bash
# Builds and runs every test: once under AddressSanitizer and
# UndefinedBehaviorSanitizer, once for Windows under Wine, once as released.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=0:halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

echo "== sanitizer build"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DKALVENOR_SANITIZE=ON >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== fuzzing, 60 s per target"
bash scripts/fuzz.sh 60

echo "== static checks"
bash scripts/static.sh

echo "== Windows"
bash scripts/windows.sh

echo "== release build"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== the page in the browser"
bash scripts/web.sh build/release
