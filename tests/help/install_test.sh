#!/usr/bin/env bash
# Installs the built tree into a temporary prefix and checks what a desktop
# user gets: the programs, the help beside the window program, the link in
# bin/, the menu entry and the theme icons.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/kalvenor-install-XXXXXX")
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

# kind  path  (for links: the exact target)
while read -r kind path target; do
  case $kind in
    exe) [ -f "$prefix/$path" ] && [ -x "$prefix/$path" ] || fail "$path is not an executable file" ;;
    file) [ -f "$prefix/$path" ] && [ -s "$prefix/$path" ] || fail "$path is missing or empty" ;;
    link) [ "$(readlink "$prefix/$path" || true)" = "$target" ] || fail "$path does not link to $target"
          [ -x "$prefix/$path" ] || fail "$path does not lead to an executable" ;;
  esac
done <<'TREE'
exe  bin/kalvenor-cli
link bin/kalvenor ../lib/kalvenor/kalvenor
exe  lib/kalvenor/kalvenor
file lib/kalvenor/help.htm
file share/applications/kalvenor.desktop
file share/icons/hicolor/32x32/apps/kalvenor.png
file share/icons/hicolor/scalable/apps/kalvenor.svg
TREE

# The help document travels unchanged, beside the program the link leads to.
cmp -s "$build/src/ui/help.htm" "$prefix/lib/kalvenor/help.htm" || fail "help.htm differs from the built one"
[ "$(readlink -f "$prefix/bin/kalvenor")" = "$(readlink -f "$prefix/lib/kalvenor")/kalvenor" ] ||
  fail "bin/kalvenor does not resolve into lib/kalvenor"

desktop=$prefix/share/applications/kalvenor.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects kalvenor.desktop"
while IFS= read -r line; do
  grep -qxF "$line" "$desktop" || fail "kalvenor.desktop lacks: $line"
done <<'ENTRY'
Type=Application
Name=Kalvenor
Exec=kalvenor
Icon=kalvenor
Categories=Utility;Calculator;
ENTRY
for key in 'Name\[ja\]' 'Comment' 'Comment\[ja\]'; do
  grep -qE "^$key=.+" "$desktop" || fail "kalvenor.desktop lacks $key"
done

file -b "$prefix/share/icons/hicolor/32x32/apps/kalvenor.png" | grep -q '^PNG image data, 32 x 32' ||
  fail "the 32x32 icon is not a 32x32 PNG"
grep -q '<svg ' "$prefix/share/icons/hicolor/scalable/apps/kalvenor.svg" || fail "the scalable icon is no SVG"

version=$("$prefix/bin/kalvenor-cli" --version) || true
[ "$version" = "Kalvenor Ver 1.00.2" ] || fail "installed kalvenor-cli --version says: $version"
if ldd "$prefix/lib/kalvenor/kalvenor" | grep -q 'not found'; then fail "kalvenor misses a library"; fi

[ "$failures" -eq 0 ] && echo "installed tree is complete"
exit "$failures"
