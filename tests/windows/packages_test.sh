#!/usr/bin/env bash
# The Windows packages: the zip holds every file; the installer, run
# silently under Wine, puts them under Program Files\Kalvenor with its
# Start-menu entries and its Apps-list entry (with the version the program
# shows), the installed kalvenor-cli finds its messages there, and the
# silent uninstall takes all of it away again, from disk and registry.
# Usage: packages_test.sh WINE_RUN... -- PACKAGE_BASE FILE... -- SHORTCUT...
# (PACKAGE_BASE.zip and PACKAGE_BASE-setup.exe, made by cpack)
set -euo pipefail
wine_run=()
while [ "$1" != -- ]; do wine_run+=("$1"); shift; done
base=$2
shift 2
files=()
while [ "$1" != -- ]; do files+=("$1"); shift; done
shift
shortcuts=("$@")

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for package in "$base.zip" "$base-setup.exe"; do
  [ -f "$package" ] || { echo "FAIL: $package is missing: run cpack in the build folder"; exit 1; }
done

listing=$(cmake -E tar tf "$base.zip")
for file in "${files[@]}"; do
  grep -qxF "$(basename "$base")/$file" <<<"$listing" || fail "the zip lacks $file"
done

installed="$WINEPREFIX/drive_c/Program Files/Kalvenor"
menu_folders() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Kalvenor' -type d; }
# Wine keeps the registry in these files, written out when wineserver ends.
registry_lines() { grep -ih kalvenor "$WINEPREFIX"/*.reg || true; }
apps_entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvenor'
"${wine_run[@]}" "$base-setup.exe" /S
wineserver -w
for file in "${files[@]}" Uninstall.exe; do
  [ -f "$installed/$file" ] || fail "not installed: $file"
done
menu=$(menu_folders)
for shortcut in "${shortcuts[@]}"; do
  [ -n "$menu" ] && [ -f "$menu/$shortcut" ] || fail "no Start-menu entry $shortcut"
done
message=$(LANG=ja_JP.UTF-8 "${wine_run[@]}" 'C:\Program Files\Kalvenor\kalvenor-cli.exe' show X 2>&1 || true)
[[ $message == *日付として読めません* ]] || fail "installed kalvenor-cli says '$message'"
shown=$("${wine_run[@]}" 'C:\Program Files\Kalvenor\kalvenor-cli.exe' --version | head -n 1 | tr -d '\r')
listed=$(wine reg query "$apps_entry" /v DisplayVersion 2>&1 | tr -d '\r' || true)
[[ $listed == *REG_SZ*" ${shown##* }" ]] || fail "Apps list: '$listed', the program: '$shown'"
wineserver -w
[ -n "$(registry_lines)" ] || fail "the installation is not in the registry files"

"${wine_run[@]}" 'C:\Program Files\Kalvenor\Uninstall.exe' /S
wineserver -w
[ ! -e "$installed" ] || fail "left after uninstalling: $(find "$installed" | head -5)"
[ -z "$(menu_folders)" ] || fail "Start-menu folder left after uninstalling"
left=$(registry_lines)
[ -z "$left" ] || fail "left in the registry after uninstalling: $left"

echo "$failures failures"
[ "$failures" -eq 0 ]
