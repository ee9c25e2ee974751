#!/usr/bin/env bash
# kalvenor-cli.exe on a console: run on a terminal, where Wine's console
# draws in UTF-8 but its code page is not UTF-8, the program must show the
# same text, Japanese included, that it writes to a file, and end with the
# same status. Blanks and CRs are left out of the comparison: Wine draws
# blanks as cursor moves. A refused command line leaves the console's
# input to the shell, and --help shows its examples at cmd's prompt.
# Usage: console_test.sh WINE_RUN... -- PROGRAM.exe
set -euo pipefail
export LANG=C.UTF-8
wine_run=()
while [ "$1" != -- ]; do wine_run+=("$1"); shift; done
program=$2

visible() { sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d ' \r\n'; }
status=0
# One run that writes to stdout, one to stderr (a refusal, status 1).
for arguments in "--era show 2000/2/29 1989/1/8" "show 平成X"; do
  read -ra words <<<"$arguments"
  set +e
  to_file=$("${wine_run[@]}" "$program" "${words[@]}" 2>&1 | visible)
  file_status=${PIPESTATUS[0]}
  printf -v command '%q ' "${wine_run[@]}" "$program" "${words[@]}"
  on_console=$(script -q -e -E never -c "$command" /dev/null </dev/null | visible)
  console_status=${PIPESTATUS[0]}
  set -e
  echo "kalvenor-cli $arguments: file '$to_file' ($file_status), console '$on_console' ($console_status)"
  if [ -z "$to_file" ] || [ "$to_file" != "$on_console" ] || [ "$file_status" != "$console_status" ]; then
    status=1
  fi
done
# The refusal names the argument as typed: wmain read it as Unicode.
[[ $to_file == *平成X* ]] || status=1

# A line typed ahead of a refused "-" run is the shell's next line: the
# refused run must not have begun reading the console.
printf -v command '%q ' "${wine_run[@]}" "$program" diff - -
next=$(printf 'typed ahead\r' |
  SHELL=$BASH script -q -e -E never -c "$command 2>/dev/null; read -r -t 10 line; echo \"next:[\$line]\"" /dev/null |
  tr -d '\r' | grep -ao 'next:.*' || true)
echo "after kalvenor-cli diff - -: $next"
[ "$next" = "next:[typed ahead]" ] || status=1

help=$("${wine_run[@]}" "$program" --help)
examples=$(grep -c '^  > kalvenor-cli ' <<<"$help" || true)
echo "--help: $examples examples at a '>' prompt"
if [ "$examples" -lt 6 ] || grep -q '^  \$ ' <<<"$help"; then status=1; fi
exit $status
