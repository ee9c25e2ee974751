#!/usr/bin/env bash
# Static checks on the project's own sources: clang-tidy (.clang-tidy),
# cppcheck, and the formatting (.clang-format). Fails on any finding.
# Configures (does not build) build/static with clang and every part on,
# fuzz targets and benchmarks included, for the compile commands.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/static
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DKALVENOR_FUZZ=ON \
  -DKALVENOR_SANITIZE=ON -DKALVENOR_BENCH=ON >/dev/null
# Found with find, not git, so the checks also run on an unpacked tarball.
mapfile -t sources < <(find src tests fuzz bench packaging -name '*.cpp' | sort)
# Every source is formatted, but for test files whose tables are laid out by
# hand, several cases to a row, which clang-format would spread one per line.
hand_laid=(tests/calendar/gregorian_test.cpp tests/display/display_text_test.cpp
  tests/help/help_test.cpp tests/ui/window_test.cpp)
mapfile -t files < <(find src tests fuzz bench packaging -name '*.cpp' -o -name '*.h' |
  grep -v -x -F "${hand_laid[@]/#/-e}" | sort)

echo "== clang-format"
clang-format-14 --dry-run --Werror "${files[@]}"

echo "== cppcheck"
# useStlAlgorithm: a plain loop is often the clearer one; the code decides.
# unusedStructMember: test tables are anonymous structs whose members are
# read through range-for and structured bindings, which cppcheck misses.
cppcheck --quiet --error-exitcode=1 --std=c++20 --inline-suppr \
  --enable=style,warning,performance,portability --suppress=useStlAlgorithm \
  --suppress=unusedStructMember \
  --library=googletest --library=qt -I src "${sources[@]}"

echo "== clang-tidy"
# Sources that only the Windows build compiles (the Win32 window, the Windows
# halves of kalvenor-cli and of the case runner) are checked against the
# mingw-w64 target, with the compile commands of a Windows configuration.
windows_build=build/static-windows
cmake -S . -B "$windows_build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DKALVENOR_BENCH=ON >/dev/null
compiled() {
  sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$1/compile_commands.json" | sed "s|^$PWD/||" | sort -u
}
mapfile -t windows_only < <(comm -13 <(compiled "$build") <(compiled "$windows_build") |
  grep -E '^(src|tests|fuzz|bench|packaging)/')
windows_args=(-p "$windows_build" --extra-arg=--target=x86_64-w64-mingw32)
while read -r dir; do windows_args+=("--extra-arg=-isystem$dir"); done < <(
  x86_64-w64-mingw32-g++-posix -E -x c++ -v - </dev/null 2>&1 | grep -E '^ /.*/c\+\+')

# The path-sensitive analyzer doubles the time of a file that includes Qt
# and GoogleTest; it runs on the program's code, the tests get the rest.
tidy() { xargs -P "$(nproc)" -n 4 clang-tidy-14 --quiet "$@" 2>/dev/null; }
linux_sources() { printf '%s\n' "${sources[@]}" | grep -v -x -F "${windows_only[@]/#/-e}"; }
linux_sources | grep -v '^tests/' | tidy -p "$build"
linux_sources | grep '^tests/' | tidy -p "$build" --checks='-clang-analyzer-*'
printf '%s\n' "${windows_only[@]}" | grep -v '^tests/' | tidy "${windows_args[@]}"
printf '%s\n' "${windows_only[@]}" | grep '^tests/' | tidy "${windows_args[@]}" --checks='-clang-analyzer-*'
echo "static checks: clean"
