#!/usr/bin/env bash
# Batch throughput: kalvenor-cli against dateutils on the same 1,000,000
# lines of Y/M/D dates, each timed as a whole process (best of several
# runs), outputs compared where the two tools should agree.
# Usage: bench/batch.sh path/to/kalvenor-cli [lines]
set -euo pipefail

cli=${1:?usage: $0 path/to/kalvenor-cli [lines]}
lines=${2:-1000000}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Years 1601..4095: the range dateutils reads, and three- and four-digit
# years that the date language takes as written.
awk -v n="$lines" 'BEGIN {
  srand(20000101)
  split("31 28 31 30 31 30 31 31 30 31 30 31", length_of, " ")
  for (i = 0; i < n; i++) {
    y = 1601 + int(rand() * 2495)
    m = 1 + int(rand() * 12)
    last = length_of[m]
    if (m == 2 && y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) last = 29
    printf "%d/%d/%d\n", y, m, 1 + int(rand() * last)
  }
}' > "$work/dates.txt"

# "wall cpu": the best wall-clock and the best user + system seconds of
# $runs runs (the machine may be shared, so CPU time is shown too); the
# last run's output stays in $1.
best_seconds() {
  local output=$1 command=$2 times
  times=$(
    for _ in $(seq "$runs"); do
      TIMEFORMAT='%R %U %S'
      { time "$command" < "$work/dates.txt" > "$output"; } 2>&1
    done
  )
  awk 'NR == 1 || $1 < wall { wall = $1 } NR == 1 || $2 + $3 < cpu { cpu = $2 + $3 }
       END { printf "%.3f %.3f", wall, cpu }' <<< "$times"
}

ours_iso() { "$cli" --iso show -; }
theirs_iso() { dateutils.dconv -i '%Y/%m/%d' -f '%F'; }
ours_diff() { "$cli" diff 2000/1/1 -; }
theirs_diff() { dateutils.ddiff 2000-01-01 -i '%Y/%m/%d'; }

status=0
compare() {
  local name=$1 ours theirs verdict="outputs equal"
  ours=$(best_seconds "$work/ours.txt" "ours_$name")
  theirs=$(best_seconds "$work/theirs.txt" "theirs_$name")
  if ! cmp -s "$work/ours.txt" "$work/theirs.txt"; then
    verdict="OUTPUTS DIFFER"
    status=1
  fi
  awk -v name="$name" -v ours="$ours" -v theirs="$theirs" -v verdict="$verdict" 'BEGIN {
    split(ours, a, " "); split(theirs, b, " ")
    printf "%-4s  %6.3f %6.3f   %6.3f %6.3f   %5.1fx %5.1fx   %s\n",
           name, a[1], a[2], b[1], b[2], b[1] / a[1], b[2] / a[2], verdict
  }'
}

echo "$lines lines of Y/M/D, best of $runs runs; seconds of wall-clock and CPU time"
echo "      kalvenor-cli    dateutils       speed-up"
echo "      wall   cpu      wall   cpu      wall   cpu"
compare iso
compare diff
exit "$status"
