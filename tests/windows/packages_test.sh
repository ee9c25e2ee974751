#!/usr/bin/env bash
# The Windows installer (PACKAGE_BASE-setup.exe, made by cpack, which packs
# the zip from the same files), run silently under Wine: every file under
# Program Files\Kalvenor, its Start-menu entries and its Apps-list entry
# (with the version the program shows), the installed kalvenor-cli finding
# its messages there; the silent uninstall takes all of it away again, from
# disk and registry.
# Usage: packages_test.sh WINE_RUN... -- PACKAGE_BASE [window]
set -euo pipefail
wine_run=()
while [ "$1" != -- ]; do wine_run+=("$1"); shift; done
base=$2 window=${3:-}
files=(kalvenor-cli.exe locale/{ja,en}/LC_MESSAGES/kalvenor-cli.mo readme.txt)
shortcuts=(Uninstall.lnk)
[ -z "$window" ] || { files+=(kalvenor.exe help.htm); shortcuts+=(Kalvenor.lnk); }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ -f "$base-setup.exe" ] || { fail "no $base-setup.exe: run cpack in the build folder"; exit 1; }

installed="$WINEPREFIX/drive_c/Program Files/Kalvenor"
run() { "${wine_run[@]}" "C:\\Program Files\\Kalvenor\\$1" "${@:2}"; }
menu_folders() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Kalvenor' -type d; }
# Wine keeps the registry in these files, written out when wineserver ends.
registry_lines() { wineserver -w; grep -ih kalvenor "$WINEPREFIX"/*.reg || true; }
"${wine_run[@]}" "$base-setup.exe" /S
wineserver -w
for file in "${files[@]}" Uninstall.exe; do
  [ -f "$installed/$file" ] || fail "not installed: $file"
done
menu=$(menu_folders)
for shortcut in "${shortcuts[@]}"; do
  [ -n "$menu" ] && [ -f "$menu/$shortcut" ] || fail "no Start-menu entry $shortcut"
done
message=$(LANG=ja_JP.UTF-8 run kalvenor-cli.exe show X 2>&1 || true)
[[ $message == *日付として読めません* ]] || fail "installed kalvenor-cli says '$message'"
shown=$(run kalvenor-cli.exe --version | head -n 1 | tr -d '\r')
listed=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvenor' \
  /v DisplayVersion 2>&1 | tr -d '\r' || true)
[[ $listed == *REG_SZ*" ${shown##* }" ]] || fail "Apps list: '$listed', the program: '$shown'"
[ -n "$(registry_lines)" ] || fail "the installation is not in the registry files"

run Uninstall.exe /S
wineserver -w
[ ! -e "$installed" ] || fail "left after uninstalling: $(find "$installed" | head -5)"
[ -z "$(menu_folders)" ] || fail "Start-menu folder left after uninstalling"
left=$(registry_lines)
[ -z "$left" ] || fail "left in the registry after uninstalling: $left"
echo "$failures failures"
[ "$failures" -eq 0 ]
