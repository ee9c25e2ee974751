#!/usr/bin/env bash
# The Debian package as Debian's own checker sees it: cpack makes it from the
# built tree (BUILD_DIR, $1), and lintian finds neither error nor warning
# (a copyright file and change log, a man page for each program, a
# maintainer with a mail address, among its many checks).
set -euo pipefail
build=$1
out=$(mktemp -d "${TMPDIR:-/tmp}/kalvenor-deb-XXXXXX")
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
status=0
report=$(lintian --fail-on error,warning "$out"/kalvenor_*.deb 2>&1) || status=$?
grep -v 'root privileges' <<<"$report" || true
exit $status
