# Sourced by the batch benchmarks. best_seconds OUTPUT COMMAND...: runs the
# command $runs times on $work/dates.txt, writing to OUTPUT, and prints the
# best wall and the best CPU seconds ("wall cpu").
best_seconds() {
  local output=$1 times
  shift
  times=$(
    for _ in $(seq "$runs"); do
      TIMEFORMAT='%R %U %S'
      { time "$@" < "$work/dates.txt" > "$output"; } 2>&1
    done
  )
  awk 'NR == 1 || $1 < wall { wall = $1 } NR == 1 || $2 + $3 < cpu { cpu = $2 + $3 }
       END { printf "%.3f %.3f", wall, cpu }' <<< "$times"
}
