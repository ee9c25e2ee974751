#!/usr/bin/env bash
# The page's two figures: its size, gzipped (each file and the whole folder
# as one tar, the goal at most 150 KB), and its time to usable from file://
# in headless chromium (bench/web_usable.mjs, the goal at most 0.4 s).
# Usage: bench/web.sh [page-folder] [runs]   (default build/web, 15 runs;
#        scripts/web.sh builds the page)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build/web}
runs=${2:-15}
npm ci --prefix web --no-audit --no-fund >/dev/null

echo "== size, gzip -9"
for file in "$folder"/*; do
  printf '%-24s %8d bytes, %7d gzipped\n' "$(basename "$file")" "$(wc -c <"$file")" "$(gzip -9c "$file" | wc -c)"
done
printf '%-24s %25d gzipped (goal <= 153600)\n' "the folder as one tar" "$(tar -C "$folder" -c . | gzip -9 | wc -c)"
echo
echo "== time to usable, $runs runs"
node bench/web_usable.mjs "$folder" "$runs"
