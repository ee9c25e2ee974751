#!/usr/bin/env bash
# The Debian package as Debian's checker sees it: cpack makes it from the built tree ($1); lintian
# finds neither error nor warning (copyright, change log, man pages, maintainer, among many checks).
set -euo pipefail
out=$(mktemp -d "${TMPDIR:-/tmp}/kalvenor-deb-XXXXXX")
trap 'rm -rf "$out"' EXIT
(cd "$1" && cpack -G DEB -B "$out" >/dev/null)
lintian --fail-on error,warning "$out"/kalvenor_*.deb 2>&1 | { grep -v 'root privileges' || true; }
