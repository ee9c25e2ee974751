#!/bin/sh
# A Windows program must start on a bare Windows: it may import only the
# system's own DLLs, and (given a limit) be at most that many bytes stripped.
# Usage: self_contained_test.sh TOOL_PREFIX PROGRAM.exe [MAX_STRIPPED_BYTES]
set -eu
tools=$1 program=$2 limit=${3:-}

headers=$("${tools}objdump" -p "$program")
dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || { echo "$program: no import table found"; exit 1; }
status=0
for dll in $dlls; do
  case $(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]') in
    kernel32.dll | user32.dll | gdi32.dll | shell32.dll | comctl32.dll | advapi32.dll | \
      comdlg32.dll | ole32.dll | oleaut32.dll | shlwapi.dll | uxtheme.dll | version.dll | \
      imm32.dll | winmm.dll | dwmapi.dll | shcore.dll | ntdll.dll | bcrypt.dll | ws2_32.dll | \
      msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll | api-ms-win-core-*.dll) ;;
    *) echo "$program imports $dll, which Windows does not ship"; status=1 ;;
  esac
done

if [ -n "$limit" ]; then
  stripped=$(mktemp)
  trap 'rm -f "$stripped"' EXIT
  "${tools}strip" -o "$stripped" "$program"
  size=$(wc -c <"$stripped")
  echo "$program: $size bytes stripped (at most $limit)"
  [ "$size" -le "$limit" ] || status=1
fi
exit $status
