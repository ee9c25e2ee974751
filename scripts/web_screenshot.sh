#!/usr/bin/env bash
# Regenerates docs/web.png and docs/web-phone.png from the page that scripts/web.sh built.
# Usage: scripts/web_screenshot.sh [page-folder]   (default build/web)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh web
npm ci --prefix web --no-audit --no-fund >/dev/null
node web/screenshot.mjs "${1:-build/web}" docs/web.png docs/web-phone.png
