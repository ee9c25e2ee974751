#!/bin/sh
# A Windows program's resources: its icon (group 1, in three sizes), the
# version information with the product's name, version text and the about
# box's copyright line, and, for the window, the manifest with per-monitor
# DPI awareness and the common controls 6.
# Usage: resources_test.sh TOOL_PREFIX PROGRAM.exe path/to/version.h [window]
set -eu
tools=$1 program=$2 version_h=$3 window=${4:-}
macro() { sed -n "s/^#define KALVENOR_$1 //p" "$version_h" | tr -d '"'; }
numbers="$(macro VERSION_MAJOR), $(macro VERSION_MINOR), $(macro VERSION_PATCH), 0"
text=$(macro VERSION_TEXT)
resources=$("${tools}windres" -J coff -O rc -i "$program")
status=0
expect() {
  printf '%s\n' "$resources" | grep -qF -- "$1" || { echo "$program: no '$1'"; status=1; }
}
expect "1 14 /* RT_GROUP_ICON */"
expect "3 3 /* RT_ICON */"
expect "FILEVERSION $numbers"
expect "PRODUCTVERSION $numbers"
expect "VALUE \"ProductName\", \"Kalvenor\""
expect "VALUE \"ProductVersion\", \"$text\""
expect "VALUE \"FileVersion\", \"$text\""
expect "VALUE \"LegalCopyright\", \"$(macro COPYRIGHT_TEXT)\""
if [ -n "$window" ]; then
  for word in PerMonitorV2 Microsoft.Windows.Common-Controls; do
    grep -qF "$word" "$program" || { echo "$program: the manifest lacks $word"; status=1; }
  done
fi
exit $status
