#!/usr/bin/env bash
# kalvenor-cli stops at the first failed write with status 1 and a message
# naming the real cause, as a read error does (the stream fuzzer fails each
# command's writes in-process): a pipe with no reader (SIGPIPE ignored, as
# some shells do) and a full device, fed without end, under a time limit.
# Usage: write_errors.sh PATH/TO/kalvenor-cli
set -uo pipefail
export cli=$1
failures=0

# check MESSAGE COMMAND: status 1 and exactly "kalvenor-cli: MESSAGE" on stderr.
check() {
  local err status
  err=$(LC_ALL=C timeout 20 bash -c "$2" 2>&1 >/dev/null)
  status=$?
  [ "$status" -eq 1 ] && [ "$err" = "kalvenor-cli: $1" ] && return
  echo "FAIL: $2: status $status, stderr '$err'" >&2
  failures=$((failures + 1))
}
full='cannot write standard output: No space left on device'
check "$full" 'yes 2000/1/1 | "$cli" show - >/dev/full'
check 'cannot write standard output: Broken pipe' \
  "trap '' PIPE; yes 2000/1/1 2>/dev/null | \"\$cli\" show - | head -c 1; exit \${PIPESTATUS[1]}"
check "$full" '"$cli" --help >/dev/full'
check 'cannot read standard input: Is a directory' '"$cli" show - </'
check '標準出力に書き込めません: デバイスに空きがありません。' \
  'yes 2000/1/1 | LC_ALL=ja_JP.UTF-8 "$cli" show - >/dev/full'
exit "$failures"
