#!/bin/sh
# A Windows program as a bare Windows meets it: it imports only DLLs that
# Windows ships; its icon (group 1, three sizes) and version information
# (product name, the version as the program shows it, the about box's
# copyright line); and, for the window (given its size limit), the manifest
# with per-monitor DPI awareness and common controls 6, and at most that
# many bytes stripped.
# Usage: program_test.sh TOOL_PREFIX PROGRAM.exe path/to/version.h [MAX_STRIPPED_BYTES]
set -eu
tools=$1 program=$2 version_h=$3 limit=${4:-}
status=0
fail() { echo "$program: $*"; status=1; }
macro() { sed -n "s/^#define KALVENOR_$1 //p" "$version_h" | tr -d '"'; }

dlls=$("${tools}objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || fail "no import table found"
for dll in $dlls; do
  case $dll in
    kernel32.dll | user32.dll | gdi32.dll | shell32.dll | comctl32.dll | advapi32.dll | comdlg32.dll | \
      ole32.dll | oleaut32.dll | shlwapi.dll | uxtheme.dll | version.dll | imm32.dll | winmm.dll | \
      dwmapi.dll | shcore.dll | ntdll.dll | bcrypt.dll | ws2_32.dll | msvcrt.dll | ucrtbase.dll | \
      api-ms-win-crt-*.dll | api-ms-win-core-*.dll) ;;
    *) fail "imports $dll, which Windows does not ship" ;;
  esac
done

numbers="$(macro VERSION_MAJOR), $(macro VERSION_MINOR), $(macro VERSION_PATCH), 0"
resources=$("${tools}windres" -J coff -O rc -i "$program")
while IFS= read -r fact; do
  printf '%s\n' "$resources" | grep -qF -- "$fact" || fail "no '$fact'"
done <<FACTS
1 14 /* RT_GROUP_ICON */
3 3 /* RT_ICON */
FILEVERSION $numbers
PRODUCTVERSION $numbers
VALUE "ProductName", "Kalvenor"
VALUE "ProductVersion", "$(macro VERSION_TEXT)"
VALUE "FileVersion", "$(macro VERSION_TEXT)"
VALUE "LegalCopyright", "$(macro COPYRIGHT_TEXT)"
FACTS

if [ -n "$limit" ]; then
  for word in PerMonitorV2 Microsoft.Windows.Common-Controls; do
    grep -qF "$word" "$program" || fail "the manifest lacks $word"
  done
  stripped=$(mktemp)
  trap 'rm -f "$stripped"' EXIT
  "${tools}strip" -o "$stripped" "$program"
  size=$(wc -c <"$stripped")
  echo "$program: $size bytes stripped (at most $limit)"
  [ "$size" -le "$limit" ] || fail "too large"
fi
exit $status
