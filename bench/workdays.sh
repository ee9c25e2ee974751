#!/usr/bin/env bash
# workdays against diff end to end: the same 1,000,000 lines of random
# dates 1948..2099 through `kalvenor-cli workdays 2000/1/1 -` and
# `kalvenor-cli diff 2000/1/1 -`, each timed as a whole process (best of
# several runs).
# Usage: bench/workdays.sh path/to/kalvenor-cli [lines]
set -euo pipefail

cli=${1:?usage: $0 path/to/kalvenor-cli [lines]}
lines=${2:-1000000}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$lines" 'BEGIN {
  srand(19480720)
  for (i = 0; i < n; i++) printf "%d/%d/%d\n", 1949 + int(rand() * 151), 1 + int(rand() * 12), 1 + int(rand() * 28)
}' > "$work/dates.txt"

source "$(dirname "$0")/best_seconds.sh"

diff=$(best_seconds /dev/null "$cli" diff 2000/1/1 -)
workdays=$(best_seconds /dev/null "$cli" workdays 2000/1/1 -)
awk -v lines="$lines" -v runs="$runs" -v d="$diff" -v w="$workdays" 'BEGIN {
  split(d, a, " "); split(w, b, " ")
  printf "%d lines, best of %d runs, wall / CPU seconds\n", lines, runs
  printf "diff      %6.3f %6.3f\nworkdays  %6.3f %6.3f   %.2fx %.2fx (goal <= 1.2x)\n",
         a[1], a[2], b[1], b[2], b[1] / a[1], b[2] / a[2]
}'
