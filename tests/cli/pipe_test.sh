#!/usr/bin/env bash
# kalvenor-cli answers a line of a pipe (with --line-buffered) or of a
# terminal as soon as the line is complete: each line is written only once
# the answer to the one before has come. A wait that runs out means that no
# answer came at all; it measures no speed (bench/pipe_latency.sh does). At
# a terminal, one Ctrl-D ends the run.
# Usage: pipe_test.sh [RUN...] -- PROGRAM
#   RUN: what starts the program (Wine, for a .exe)
set -uo pipefail
run=()
while [ "$1" != -- ]; do run+=("$1"); shift; done
program=$2
wait_seconds=30
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# enter LINE: as the user ends a line, with Enter (a CR: Wine's console reads
# its keys raw) at a terminal, with a line feed into a pipe.
enter() {
  if [ "$terminal" = yes ]; then printf '%s\r' "$1"; else printf '%s\n' "$1"; fi >&"$to_cli"
}

# converse WHAT TERMINAL QUESTION=>ANSWER...: types each question to the
# coprocess CLI and waits for its answer line; at a terminal (yes), lines
# it shows besides are passed over, and control sequences dropped. Wine's
# console drops what was typed before it started: there the first question
# is typed again while it has no answer.
converse() {
  local what=$1 terminal=$2 pair question want line waited
  shift 2
  for pair in "$@"; do
    question=${pair%%=>*} want=${pair#*=>} waited=0
    enter "$question"
    while :; do
      if ! IFS= read -r -t 5 line <&"$from_cli"; then
        waited=$((waited + 5))
        if [ "$waited" -ge "$wait_seconds" ]; then
          fail "$what: no answer to '$question' in $wait_seconds s"
          return 1
        fi
        [ "$terminal" = yes ] && [ "$pair" = "$1" ] && enter "$question"
        continue
      fi
      line=$(sed 's/\x1b\[[0-9;?]*[A-Za-z]//g; s/\r//g' <<<"$line")
      [ "$line" = "$want" ] && break
      [ "$terminal" = yes ] && continue
      fail "$what: '$question' was answered '$line', not '$want'"
      return 1
    done
    echo "$what: '$question' answered '$want'"
  done
}

# start COMMAND...: the coprocess CLI; its pipes are taken from bash, which
# would close them when it ends.
start() {
  coproc CLI { exec "$@" 2>/dev/null; }
  exec {to_cli}>&"${CLI[1]}" {from_cli}<&"${CLI[0]}"
  eval "exec ${CLI[1]}>&- ${CLI[0]}<&-"
  cli_pid=$CLI_PID
}

# stop: ends the input, and waits for the coprocess to end.
stop() {
  exec {to_cli}>&- {from_cli}<&-
  wait "$cli_pid"
}

lines=("2026/12/7=>2026-12-07" "R1.5.1=>2019-05-01" "2000/1/1=>2000-01-01")
start "${run[@]}" "$program" --line-buffered --iso show -
converse "pipe" no "${lines[0]}" "x=>" "${lines[@]:1}"
stop
[ $? -eq 1 ] || fail "pipe: the refused line did not give status 1"

# The terminal is script's pseudo-terminal.
printf -v command '%q ' "${run[@]}" "$program" --iso show -
start script -q -e -E never -c "$command" /dev/null
# Wine's console hands on Ctrl+Z as a blank line: the end is checked on
# Linux alone.
if converse "terminal" yes "${lines[@]}" && [[ $program != *.exe ]]; then
  printf '\x04' >&"$to_cli"  # Ctrl-D
  for _ in $(seq $((wait_seconds * 10))); do
    kill -0 "$cli_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$cli_pid" 2>/dev/null && fail "terminal: still running after one Ctrl-D"
fi
kill "$cli_pid" 2>/dev/null
stop
exit "$failures"
