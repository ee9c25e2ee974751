#!/usr/bin/env bash
# The program started where no window can open (DISPLAY unset, empty, or naming no server): one
# line naming the display and status 1, not Qt's report and abort. Usage: start_test.sh PROGRAM
set -u
program=$1 dead=90 failures=0
while [ -e "/tmp/.X11-unix/X$dead" ]; do dead=$((dead + 1)); done
check() {  # what the line says of DISPLAY, then how env sets it
  said=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${@:2}" "$program" 2>&1 >/dev/null; echo "$?")
  [ "$said" = "kalvenor: no display to open the window on (DISPLAY$1)"$'\n'1 ] ||
    { echo "FAIL ${*:2}: $said" >&2; failures=1; }
}
check " is not set" -u DISPLAY
check " is empty" DISPLAY=
check "=\":$dead\"" "DISPLAY=:$dead"
exit $failures
