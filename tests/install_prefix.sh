# Sourced by the install tests: installs the built tree (BUILD_DIR, $1) into
# a temporary prefix, removed on exit, and counts failures through fail.
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/kalvenor-install-XXXXXX")
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
