#!/usr/bin/env bash
# A line of a pipe (--line-buffered) or a terminal is answered once complete:
# each is written after the one before is answered; a timeout means no answer
# (bench/pipe_latency measures time). At a terminal one Ctrl-D ends the run.
# Usage: pipe_test.sh [RUN...] -- PROGRAM    (RUN: Wine, for a .exe)
set -uo pipefail
run=()
while [ "$1" != -- ]; do run+=("$1"); shift; done
program=$2 failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# converse ENTER QUESTION=>ANSWER...: types each question and waits for its
# answer. At a terminal (ENTER a CR: Wine's console reads keys raw) other
# lines are passed over, and a question is typed again while unanswered, as
# Wine's console drops what is typed before it starts.
converse() {
  local enter=$1 pair question line waited
  shift
  for pair; do
    question=${pair%%=>*} waited=0
    printf '%s%s' "$question" "$enter" >&"${CLI[1]}"
    while :; do
      if ! IFS= read -r -t 5 line <&"${CLI[0]}"; then
        waited=$((waited + 5))
        [ "$waited" -lt 30 ] || { fail "no answer to '$question' in 30 s"; return 1; }
        [ "$enter" = $'\r' ] && printf '%s\r' "$question" >&"${CLI[1]}"
        continue
      fi
      line=$(sed 's/\x1b\[[0-9;?]*[A-Za-z]//g; s/\r//g' <<<"$line")
      [ "$line" = "${pair#*=>}" ] && break
      [ "$enter" = $'\r' ] || { fail "'$question' was answered '$line'"; return 1; }
    done
  done
}

lines=("2026/12/7=>2026-12-07" "R1.5.1=>2019-05-01" "2000/1/1=>2000-01-01")
coproc CLI { exec "${run[@]}" "$program" --line-buffered --iso show - 2>/dev/null; }
cli_pid=$CLI_PID
converse $'\n' "${lines[0]}" "x=>" "${lines[@]:1}"
exec {CLI[1]}>&-
wait "$cli_pid"
[ $? -eq 1 ] || fail "pipe: the refused line did not give status 1"

printf -v command '%q ' "${run[@]}" "$program" --iso show -
coproc CLI { exec script -q -e -E never -c "$command" /dev/null 2>/dev/null; }
cli_pid=$CLI_PID
# Wine's console hands Ctrl+Z on as a blank line: the end is Linux's alone.
if converse $'\r' "${lines[@]}" && [[ $program != *.exe ]]; then
  printf '\x04' >&"${CLI[1]}"
  for _ in $(seq 300); do kill -0 "$cli_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$cli_pid" 2>/dev/null && fail "terminal: still running after one Ctrl-D"
fi
kill "$cli_pid" 2>/dev/null
exit "$failures"
