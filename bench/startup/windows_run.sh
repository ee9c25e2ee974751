#!/usr/bin/env bash
# Start-up time of kalvenor.exe against a bare Win32 window, as whole
# processes under Wine on a virtual X display: from the exec of
# `wine PROGRAM.exe` until it has quit, once shown and idle.
# Wine's own boot is left out: the prefix is made and booted once, and the
# wineserver and the prefix's services keep running (wineserver -p) while
# the programs are timed. Xvfb has no window manager, and Wine then waits
# 2 s for one whenever a window is destroyed, so the prefix uses Wine's
# virtual desktop, which is its own window manager.
# Usage: bash bench/startup/windows_run.sh [runs]
#   (BUILD_DIR overrides build/winbench, HOST_BUILD_DIR build/startup)
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ -z "${KALVENOR_ON_XVFB:-}" ]; then
  scripts/deps.sh test
  KALVENOR_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build=${BUILD_DIR:-build/winbench}
host_build=${HOST_BUILD_DIR:-build/startup}
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKALVENOR_BENCH=ON -DKALVENOR_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target bare_window kalvenor_startup
cmake -S . -B "$host_build" -DCMAKE_BUILD_TYPE=Release -DKALVENOR_BENCH=ON >/dev/null
cmake --build "$host_build" -j "$(nproc)" --target startup_bench

export WINEDEBUG=-all
export WINEPREFIX=$PWD/$build/wine/template
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  cmake/wine_test.sh setup "$PWD/$build/wine"
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
  wineserver -w
fi
# Its output elsewhere: a persistent server would hold this script's pipes.
wineserver -p >/dev/null 2>&1
trap 'wineserver -k' EXIT
"$host_build/bench/startup/startup_bench" --via wine "${1:-30}" \
  "$build/bench/startup/win32/bare_window.exe" "$build/src/ui/kalvenor_startup.exe"
