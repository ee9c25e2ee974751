#!/usr/bin/env bash
# Plants each fault of scripts/mutants.txt on its own in a scratch copy of the
# tree, builds it and runs the tests; a fault is caught when the build or any
# test fails. Prints one line per fault and the count. The CLI's day-by-day
# read-back walks and the Debian package check are left out: they take
# minutes a run and could only catch more.
# Usage: scripts/mutate.sh [mutants-file]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mutants=${1:-$root/scripts/mutants.txt}
work=$root/build/mutate
mkdir -p "$work"
tree=$work/src-tree
rm -rf "$tree" && mkdir -p "$tree"
tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$tree" -xf -
cmake -S "$tree" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j "$(nproc)" >/dev/null || { echo "the unchanged tree does not build"; exit 1; }
export QT_QPA_PLATFORM=offscreen
caught=0 planted=0
while IFS=$'\t' read -r place substitution; do
  [[ -z "$place" || "$place" == \#* ]] && continue
  file=$(grep -rlP "$(perl -e '$_=shift; s/^s\/((?:\\.|[^\/])*)\/.*/$1/; print' "$substitution")" "$tree/$place" \
         --include='*.cpp' --include='*.h' | head -n 1)
  if [ -z "$file" ]; then
    echo "not found  $place  $substitution"
    continue
  fi
  cp "$file" "$file.orig"
  perl -0pi -e "$substitution" "$file"
  planted=$((planted + 1))
  if cmake --build "$work/build" -j "$(nproc)" >/dev/null 2>&1 &&
     ctest --test-dir "$work/build" -j "$(nproc)" -E "read_back|deb_package" >/dev/null 2>&1; then
    echo "survived   ${file#"$tree"/}  $substitution"
  else
    caught=$((caught + 1))
    echo "caught     ${file#"$tree"/}  $substitution"
  fi
  mv "$file.orig" "$file"
  touch "$file"
done < "$mutants"
echo "$caught of $planted planted faults caught"
