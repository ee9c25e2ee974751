#!/usr/bin/env bash
# Builds the Windows programs on Debian with mingw-w64, packs the zip and the
# installer, and runs the Windows tests under Wine (the window's on a virtual
# X display), the packages' silent install and uninstall included.
# Usage: scripts/windows.sh [BUILD_DIR]     (default build/windows)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

build=${1:-build/windows}
jobs=$(nproc)
# Wine turns Windows file names into Unix ones through the locale's character
# set, and the window test's folder is named in kana: make that set UTF-8.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  unset LC_ALL
  export LC_CTYPE=C.UTF-8
fi

echo "== Windows cross-build"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs"

echo "== Windows packages"
(cd "$build" && cpack)

echo "== Windows tests under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build" --output-on-failure -j "$jobs"
