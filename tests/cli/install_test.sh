#!/usr/bin/env bash
# kalvenor-cli's files installed from BUILD_DIR ($1): its man pages found by
# man, its catalogues by the program, its completion where bash looks.
set -uo pipefail
source "$(dirname "$0")/../install_prefix.sh"

for file in share/man/man1/kalvenor-cli.1.gz share/man/ja/man1/kalvenor-cli.1.gz \
            share/locale/ja/LC_MESSAGES/kalvenor-cli.mo share/locale/en/LC_MESSAGES/kalvenor-cli.mo \
            share/bash-completion/completions/kalvenor-cli; do
  [ -s "$prefix/$file" ] || fail "$file is missing"
done
page=$(MANPATH="$prefix/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man kalvenor-cli 2>&1)
grep -q -- '--reiwa' <<< "$page" || fail "man kalvenor-cli: '$page'"
page=$(MANPATH="$prefix/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man -L ja kalvenor-cli 2>&1)
grep -q '表示形式' <<< "$page" || fail "man -L ja kalvenor-cli: '$page'"
err=$(env -u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8 "$prefix/bin/kalvenor-cli" show x 2>&1 >/dev/null)
[ "$err" = 'kalvenor-cli: 「x」は日付として読めません。' ] || fail "installed, in Japanese: '$err'"
exit "$failures"
