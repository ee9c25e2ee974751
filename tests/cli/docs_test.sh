#!/usr/bin/env bash
# The documents beside kalvenor-cli: both man pages format cleanly and their
# examples print what they show; the bash completion offers the right words.
# Usage: docs_test.sh SOURCE_DIR PATH/TO/kalvenor-cli
set -uo pipefail
source_dir=$1
cli_dir=$(cd "$(dirname "$2")" && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Warnings of every kind for the English page; the Japanese one cannot be
# justified word by word, so only errors count there.
warnings=$(groff -t -man -ww -z -Tutf8 -Kutf8 "$source_dir/man/kalvenor-cli.1" 2>&1)
[ -z "$warnings" ] || fail "English man page: $warnings"
errors=$(groff -t -man -W break -z -Tutf8 -Kutf8 "$source_dir/man/ja/kalvenor-cli.1" 2>&1)
[ -z "$errors" ] || fail "Japanese man page: $errors"

# prints WHERE COMMAND EXPECTED: the example's command prints what it shows.
prints() {
  local got
  got=$(PATH="$cli_dir:$PATH" LC_ALL=C bash -c "$2" 2>/dev/null; echo x)
  [ "$got" = "${3}x" ] || fail "$1: $2 printed '${got%x}'"
}

# Each "$ command" line of an .EX block and the lines after it, up to the
# next command or .EE.
run_examples() {
  local page=$1 command= expected= count=0 line
  check() {
    [ -n "$command" ] && count=$((count + 1)) && prints "$page" "$command" "$expected"
  }
  while IFS= read -r line; do
    line=${line//\\-/-}
    line=${line//\\(aq/\'}
    line=${line//\\en/\\n}
    case $line in
      '$ '*) check; command=${line#\$ }; expected= ;;
      .EE) check; command= ;;
      *) [ -n "$command" ] && expected+="$line"$'\n' ;;
    esac
  done < <(sed -n '/^\.EX/,/^\.EE/p' "$page")
  [ "$count" -ge 6 ] || fail "$page: only $count examples found"
}
run_examples "$source_dir/man/kalvenor-cli.1"
run_examples "$source_dir/man/ja/kalvenor-cli.1"

# The --help examples, in English and in Japanese: "  $ kalvenor-cli ARGS",
# then what it prints, indented four blanks.
help_examples() {
  local command= expected= count=0 line
  while IFS= read -r line; do
    case $line in
      '  $ '* | '') ;;&
      '    '*) expected+="${line#    }"$'\n'; continue ;;
    esac
    [ -n "$command" ] && count=$((count + 1)) && prints "help ($*)" "$command" "$expected"
    command= expected=
    [[ $line == '  $ '* ]] && command=${line#  \$ }
  done < <("$cli_dir/kalvenor-cli" "$@"; echo)
  [ "$count" -ge 6 ] || fail "help ($*): only $count examples found"
}
help_examples --help
LANG=ja_JP.UTF-8 help_examples -h
env -u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8 "$cli_dir/kalvenor-cli" -h | grep '^使い方:' >/dev/null || fail "-h is not Japanese"

# Each catalogue translates every message the program has.
pot=$(mktemp)
xgettext --from-code=UTF-8 --keyword=Tr --language=C++ -o "$pot" \
  "$source_dir/src/cli/messages.cpp" || fail "xgettext"
sed -i s/charset=CHARSET/charset=UTF-8/ "$pot"
for language in ja en; do
  msgcmp "$source_dir/po/$language.po" "$pot" || fail "po/$language.po lacks a message"
done
rm -f "$pot"

# Completion: COMP_WORDS as bash would set them, the words offered.
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
offers 'show add diff holidays workdays span' ''
offers '--era --reiwa --kanji --western --iso --strict --window-language --line-buffered --encoding= --inclusive --holiday --rest= --holidays= --closed= --open= --help --version' --
offers '--strict --window-language --encoding= --inclusive --holiday --holidays= --closed= --open=' --iso --line-buffered --rest=日 --
offers '--encoding=cp932' --encoding=c
offers '--holidays=none' --holidays=n
offers 'show add holidays span' --iso ''
offers 'diff' di
offers '- today' show ''
offers 'today' diff - ''
offers '-' add 2000/1/1 ''
offers '' --version ''
offers '' -- --
exit "$failures"
