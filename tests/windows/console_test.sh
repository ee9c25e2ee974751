#!/usr/bin/env bash
# kalvenor-cli.exe on a console (Wine's draws in UTF-8, its code page is
# not): the same text, Japanese included, as written to a file, and the same
# status; blanks and CRs aside, which Wine draws as cursor moves. A refused
# "-" run leaves a line typed ahead to the shell; today is the clock's local
# date; --help prompts with ">".
# Usage: console_test.sh WINE_RUN... -- PROGRAM.exe
set -euo pipefail
export LANG=C.UTF-8
wine_run=()
while [ "$1" != -- ]; do wine_run+=("$1"); shift; done
program=$2
status=0
visible() { sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d ' \r\n'; }
on_console() {
  printf -v command '%q ' "${wine_run[@]}" "$program" "${@:2}"
  SHELL=$BASH script -q -e -E never -c "$command$1" /dev/null
}

# Dates on stdout, a refusal on stderr naming the argument as typed (wmain
# read it whole), status 1.
words=(--era show 2000/2/29 1989/1/8 平成X)
set +e
to_file=$("${wine_run[@]}" "$program" "${words[@]}" 2>&1 | visible)
file_status=${PIPESTATUS[0]}
shown=$(on_console "" "${words[@]}" </dev/null | visible)
console_status=${PIPESTATUS[0]}
set -e
echo "kalvenor-cli ${words[*]}: file '$to_file' ($file_status), console '$shown' ($console_status)"
[[ $to_file == *平成X* ]] && [ "$to_file" = "$shown" ] && [ "$file_status$console_status" = 11 ] || status=1

next=$(printf 'typed ahead\r' | on_console ' 2>/dev/null; read -r -t 10 line; echo "next:[$line]"' diff - - |
  tr -d '\r' | grep -ao 'next:.*' || true)
echo "after kalvenor-cli diff - -: $next"
[ "$next" = "next:[typed ahead]" ] || status=1

today=$("${wine_run[@]}" "$program" --iso show today | tr -d '\r')
echo "today: $today, by the host's clock $(date +%F)"
[ "$today" = "$(date +%F)" ] || status=1

help=$("${wine_run[@]}" "$program" --help)
examples=$(grep -c '^  > kalvenor-cli ' <<<"$help" || true)
echo "--help: $examples examples at a '>' prompt"
if [ "$examples" -lt 6 ] || grep -q '^  \$ ' <<<"$help"; then status=1; fi
exit $status
