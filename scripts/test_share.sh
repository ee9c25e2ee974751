#!/usr/bin/env bash
# Prints the size of the tests against the code: non-blank lines of every
# file under tests/ and fuzz/ (the fuzz corpus aside) against the non-blank
# C++ lines of src/. The project keeps it at about a quarter to a third.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { xargs -0 cat | grep -cv '^[[:space:]]*$'; }
tests=$(find tests fuzz -type f ! -path 'fuzz/corpus/*' -print0 | count)
code=$(find src -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | count)
echo "tests ${tests} / src ${code} = $((100 * tests / code))%"
