#!/usr/bin/env bash
# Installs the built tree (BUILD_DIR, $1) into a temporary prefix and checks what a desktop user gets.
set -euo pipefail
source "$(dirname "$0")/../install_prefix.sh"
cd "$prefix"

[ -x bin/kalvenor-cli ] && [ -f lib/kalvenor/kalvenor ] && [ -x lib/kalvenor/kalvenor ] || fail "a program is missing"
[ "$(readlink bin/kalvenor || true)" = ../lib/kalvenor/kalvenor ] || fail "bin/kalvenor does not link to ../lib/kalvenor/kalvenor"
cmp -s "$build/src/ui/help.htm" lib/kalvenor/help.htm || fail "lib/kalvenor/help.htm differs from the built one"
file -b share/icons/hicolor/32x32/apps/kalvenor.png | grep -q '^PNG image data, 32 x 32' || fail "no 32x32 PNG icon"
grep -q '<svg ' share/icons/hicolor/scalable/apps/kalvenor.svg || fail "no scalable SVG icon"
desktop-file-validate share/applications/kalvenor.desktop || fail "desktop-file-validate rejects kalvenor.desktop"
for line in Type=Application Name=Kalvenor Exec=kalvenor Icon=kalvenor 'Categories=Utility;Calculator;' \
            'Name\[ja\]=.+' 'Comment=.+' 'Comment\[ja\]=.+'; do
  grep -qxE "$line" share/applications/kalvenor.desktop || fail "kalvenor.desktop lacks $line"
done
[ "$(bin/kalvenor-cli --version | head -n 1)" = "kalvenor-cli (Kalvenor) 1.00.2" ] || fail "installed kalvenor-cli does not run"
if ldd lib/kalvenor/kalvenor | grep -q 'not found'; then fail "kalvenor misses a library"; fi
exit "$failures"
