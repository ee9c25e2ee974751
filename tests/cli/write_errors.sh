#!/usr/bin/env bash
# kalvenor-cli stops at the first failed write with status 1 and one
# message naming the cause, as a read error does: a pipe whose reader has
# gone (SIGPIPE ignored, so EPIPE) and a full device (ENOSPC), fed without
# end, each under a time limit (a tool that keeps reading would hang here).
# Usage: write_errors.sh PATH/TO/kalvenor-cli
set -uo pipefail
cli=$1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
message='kalvenor-cli: cannot write standard output'

# check NAME CAUSE COMMAND...: status 1 and exactly the message on stderr.
check() {
  local name=$1 cause=$2 err status
  shift 2
  err=$(LC_ALL=C timeout 20 "$@" 2>&1 >/dev/null)
  status=$?
  [ "$status" -eq 1 ] || fail "$name: status $status, not 1"
  [ "$err" = "$message: $cause" ] || fail "$name: stderr '$err'"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export cli work
full_disk() { yes 2000/1/1 | "$cli" "$@" >/dev/full; }
# The reader takes one byte and leaves; SIGPIPE ignored, as some shells do.
closed_pipe() {
  local status
  (trap '' PIPE; yes 2000/1/1 2>/dev/null | "$cli" "$@" 2>"$work/err" | head -c 1 >/dev/null
   exit "${PIPESTATUS[1]}")
  status=$?
  cat "$work/err" >&2
  return "$status"
}
export -f full_disk closed_pipe

for args in "show -" "--iso show -" "diff 2000/1/1 -" "--iso add - 1"; do
  # shellcheck disable=SC2086
  check "full disk: $args" 'No space left on device' bash -c 'full_disk "$@"' - $args
  # shellcheck disable=SC2086
  check "closed pipe: $args" 'Broken pipe' bash -c 'closed_pipe "$@"' - $args
done
check "full disk: --help" 'No space left on device' bash -c '"$cli" --help >/dev/full'
check "full disk: --version" 'No space left on device' bash -c '"$cli" -V >/dev/full'

# A read error names its cause too: a directory as standard input.
err=$(LC_ALL=C timeout 20 "$cli" show - 2>&1 <"$work")
[ "$err" = 'kalvenor-cli: cannot read standard input: Is a directory' ] || fail "directory: '$err'"

# In Japanese the message is the one users know.
err=$(yes 2000/1/1 | env -u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8 timeout 20 "$cli" show - 2>&1 >/dev/full)
[ "$err" = 'kalvenor-cli: 標準出力に書き込めません: デバイスに空きがありません。' ] || fail "Japanese: '$err'"
exit "$failures"
