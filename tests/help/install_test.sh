#!/usr/bin/env bash
# Installs the built tree (BUILD_DIR, $1) into a temporary prefix: bin/kalvenor leads to the
# window beside its help.htm; the desktop entry is valid and starts it with an installed icon.
set -euo pipefail
source "$(dirname "$0")/../install_prefix.sh"
cd "$prefix"
[ "$(readlink -f bin/kalvenor)" = "$(readlink -f lib/kalvenor/kalvenor)" ] && [ -x bin/kalvenor ] || fail "no bin/kalvenor"
cmp -s "$build/src/ui/help.htm" lib/kalvenor/help.htm || fail "lib/kalvenor/help.htm differs from the built one"
desktop-file-validate share/applications/kalvenor.desktop || fail "desktop-file-validate rejects kalvenor.desktop"
grep -qx 'Exec=kalvenor' share/applications/kalvenor.desktop && grep -qx 'Icon=kalvenor' share/applications/kalvenor.desktop || fail "kalvenor.desktop does not start kalvenor with its icon"
file -b share/icons/hicolor/32x32/apps/kalvenor.png | grep -q '^PNG image data, 32 x 32' || fail "no 32x32 PNG icon"
grep -q '<svg ' share/icons/hicolor/scalable/apps/kalvenor.svg || fail "no scalable SVG icon"
if ldd lib/kalvenor/kalvenor | grep -q 'not found'; then fail "kalvenor misses a library"; fi
exit "$failures"
