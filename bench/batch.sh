#!/usr/bin/env bash
# Batch throughput: kalvenor-cli against dateutils on the same 1,000,000
# lines of Y/M/D dates, each timed as a whole process (best of several
# runs), outputs compared where the two tools should agree. Then the same
# dates written as kanji, dot and ISO dates, and --kanji output, against
# kalvenor-cli's own plain line.
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

# CPU time is shown beside the wall clock, since the machine may be shared.
source "$(dirname "$0")/best_seconds.sh"

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

# The same dates in the other forms; each must give the plain line's output.
awk -F/ '{ printf "%d年%d月%d日\n", $1, $2, $3 }' "$work/dates.txt" > "$work/kanji.txt"
awk -F/ '{ printf "%d.%d.%d\n", $1, $2, $3 }' "$work/dates.txt" > "$work/dot.txt"
awk -F/ '{ printf "%04d-%02d-%02d\n", $1, $2, $3 }' "$work/dates.txt" > "$work/iso.txt"
cp "$work/dates.txt" "$work/plain.txt"
form_plain() { "$cli" --iso show - < "$work/plain.txt"; }
form_kanji() { "$cli" --iso show - < "$work/kanji.txt"; }
form_dot() { "$cli" --iso show - < "$work/dot.txt"; }
form_iso() { "$cli" --iso show - < "$work/iso.txt"; }
form_kanji_out() { "$cli" --kanji show - < "$work/plain.txt"; }
plain=$(best_seconds "$work/plain_out.txt" form_plain)
echo
echo "the same lines in other forms, against the plain line (--iso, $plain)"
echo "form       wall   cpu     cost (wall, cpu)"
for form in kanji dot iso kanji_out; do
  took=$(best_seconds "$work/out.txt" "form_$form")
  verdict=""
  if [ "$form" != kanji_out ] && ! cmp -s "$work/out.txt" "$work/plain_out.txt"; then
    verdict="OUTPUTS DIFFER"
    status=1
  fi
  awk -v form="$form" -v took="$took" -v plain="$plain" -v verdict="$verdict" 'BEGIN {
    split(took, a, " "); split(plain, b, " ")
    printf "%-9s  %6.3f %6.3f  %4.1fx %4.1fx  %s\n", form, a[1], a[2], a[1] / b[1], a[2] / b[2],
           verdict
  }'
done
exit "$status"
