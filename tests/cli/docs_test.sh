#!/usr/bin/env bash
# The documents beside kalvenor-cli: both man pages format cleanly, their
# examples and those of --help print what they show, each catalogue has
# every message, and the bash completion offers the right words.
# Usage: docs_test.sh SOURCE_DIR PATH/TO/kalvenor-cli
set -uo pipefail
source_dir=$1
cli_dir=$(cd "$(dirname "$2")" && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Warnings of every kind for the English page; only errors for the Japanese
# one, which cannot be justified word by word.
warnings=$(groff -t -man -ww -z -Tutf8 -Kutf8 "$source_dir/man/kalvenor-cli.1" 2>&1
  groff -t -man -W break -z -Tutf8 -Kutf8 "$source_dir/man/ja/kalvenor-cli.1" 2>&1)
[ -z "$warnings" ] || fail "man pages: $warnings"

# examples WHERE: each "$ command" line of standard input and the lines after
# it, up to the next command or an "END" line, are a command and its output.
examples() {
  local command= expected= count=0 line got
  while IFS= read -r line; do
    if [[ -n $command && ($line == '$ '* || $line == END) ]]; then
      count=$((count + 1))
      got=$(PATH="$cli_dir:$PATH" LC_ALL=C bash -c "$command" 2>/dev/null; echo x)
      [ "$got" = "${expected}x" ] || fail "$1: $command printed '${got%x}'"
      command=
    fi
    case $line in
      '$ '*) command=${line#\$ } expected= ;;
      *) expected+="$line"$'\n' ;;
    esac
  done
  [ "$count" -ge 6 ] || fail "$1: only $count examples found"
}
for page in man/kalvenor-cli.1 man/ja/kalvenor-cli.1; do
  examples "$page" < <(sed -n '/^\.EX/,/^\.EE/{/^\.EX/d; s/^\.EE/END/; s/\\-/-/g
    s/\\(aq/'\''/g; s/\\en/\\n/g; p}' "$source_dir/$page")
done
# --help's: "  $ kalvenor-cli ARGS", then what it prints, indented four blanks.
help_examples() {
  examples "help ($*)" < <("$cli_dir/kalvenor-cli" "$@" | sed 's/^  \$ /$ /; t; s/^    //; t; s/.*/END/')
}
help_examples --help
LANG=ja_JP.UTF-8 help_examples -h
env -u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8 "$cli_dir/kalvenor-cli" -h |
  grep '^使い方:' >/dev/null || fail "-h is not Japanese"

pot=$(mktemp)
xgettext --from-code=UTF-8 --keyword=Tr --keyword=Msgid --language=C++ -o - \
  "$source_dir/src/commands/messages.cpp" "$source_dir/src/commands/command_table.cpp" \
  "$source_dir/src/cli/messages.cpp" |
  sed s/charset=CHARSET/charset=UTF-8/ >"$pot" || fail "xgettext"
for language in ja en; do
  msgcmp "$source_dir/po/$language.po" "$pot" || fail "po/$language.po lacks a message"
done
rm -f "$pot"

# Completion: COMP_WORDS as bash would set them, the words offered. No
# second style or "-", no command word a style does not suit, no "today" as
# a number of days.
# shellcheck source=/dev/null
source "$source_dir/completion/kalvenor-cli"
offers() {
  local want=$1
  shift
  COMP_WORDS=(kalvenor-cli "$@")
  COMP_CWORD=$#
  _kalvenor_cli
  [ "${COMPREPLY[*]}" = "$want" ] || fail "completion of '$*': '${COMPREPLY[*]}', not '$want'"
}
offers '--strict --window-language --encoding= --inclusive --holiday --long --holidays= --year-end= --closed= --open=' --iso --line-buffered --rest=日 --
offers '--encoding=cp932' --encoding=c
offers '--year-end=12/29 --year-end=12/31' --year-end=
offers 'show add holidays span age' --iso ''
offers 'today' diff - ''
offers '-' add 2000/1/1 ''
exit "$failures"
