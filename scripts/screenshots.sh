#!/usr/bin/env bash
# Opens the real window on a virtual X screen with today fixed at
# 1999-04-20, types a difference and an addition from the keyboard, and
# saves a screenshot of each mode into docs/.
# Usage: scripts/screenshots.sh [build-dir]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh screenshots
build=${1:-build/release}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target kalvenor >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=
cleanup() {
  # faketime runs the program as its child: end the child first.
  if [ -n "$app_pid" ]; then pkill -P "$app_pid" 2>/dev/null || true; fi
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

faketime '1999-04-20 12:00:00' "$build/src/ui/kalvenor" >/dev/null &
app_pid=$!
window=$(xdotool search --sync --name '^Kalvenor$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

# Keys go to the focused box: the window opens with the focus in Date1.
type_line() {
  xdotool type --delay 40 -- "$1"
  xdotool key Return
  sleep 0.3
}

# Difference: from today (empty Date1) to the first day of Heisei 12.
type_line ''
type_line 'h12/1/1'
import -window "$window" docs/difference.png

# Addition: Tab on to the mode option, arrow down to addition, Tab round to
# Date1, then 100 days after today.
xdotool key Tab Tab Tab Down Tab Tab
sleep 0.3
type_line '4/20'
type_line '100'
import -window "$window" docs/addition.png

# Quit from the menu bar's own command, Alt+F.
xdotool key alt+f
wait "$app_pid"
app_pid=
echo "saved docs/difference.png docs/addition.png"
