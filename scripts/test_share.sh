#!/usr/bin/env bash
# Prints the size of the tests against the code: non-blank lines of every
# file under tests/ and fuzz/ (the fuzz corpus aside) against the non-blank
# C++ lines of src/ and the page's own code in web/ (its C++, script, style,
# page and build files; not its node_modules). The project keeps it at about
# a quarter to a third.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { xargs -0 cat | grep -cv '^[[:space:]]*$'; }
tests=$(find tests fuzz -type f ! -path 'fuzz/corpus/*' -print0 | count)
src=$(find src -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | count)
web=$(find web -maxdepth 1 -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.js' -o -name '*.mjs' \
  -o -name '*.css' -o -name '*.in' -o -name '*.cmake' \) -print0 | count)
code=$((src + web))
# One decimal, rounded down: 36.8% is not "36%".
echo "tests ${tests} / src ${src} + web ${web} = $((1000 * tests / code / 10)).$((1000 * tests / code % 10))%"
