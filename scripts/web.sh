#!/usr/bin/env bash
# The page: builds it into build/web (index.html, kalvenor.js with the .wasm
# inside, the service worker, manifest and icon), zips it as
# build/web-wasm/kalvenor-web-<version>.zip,
# and runs its browser tests in Debian's chromium against kalvenor-cli.
# Usage: scripts/web.sh [cli-build-dir]   (a configured build whose
#        kalvenor-cli to use; by default build/web-cli is made for it)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh web

jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# emscripten's tools need acorn, which Debian keeps where a node from
# elsewhere does not look.
export NODE_PATH=/usr/share/nodejs

echo "== page"
emcmake cmake -S . -B build/web-wasm -DCMAKE_BUILD_TYPE=Release -DKALVENOR_GUI=OFF \
  -DKALVENOR_TESTS=OFF -DKALVENOR_WEB_DIR="$PWD/build/web" "${launcher[@]}" >/dev/null
# A file the page no longer has must not stay in it.
rm -rf build/web
cmake --build build/web-wasm -j "$jobs" --target kalvenor_web_zip
echo "== kalvenor-cli, to check the page against"
cli_build=${1:-}
if [ -z "$cli_build" ]; then
  cli_build=build/web-cli
  cmake -S . -B "$cli_build" -DCMAKE_BUILD_TYPE=Release -DKALVENOR_GUI=OFF -DKALVENOR_TESTS=OFF \
    "${launcher[@]}" >/dev/null
fi
cmake --build "$cli_build" -j "$jobs" --target kalvenor-cli kalvenor_cli_catalogues

echo "== browser tests"
npm ci --prefix web --no-audit --no-fund >/dev/null
KALVENOR_WEB=build/web KALVENOR_CLI="$cli_build/src/cli/kalvenor-cli" \
  node --test tests/web/
