#!/usr/bin/env bash
# Installs the Debian packages a job needs, only those that are missing.
# Usage: scripts/deps.sh run|test|bench|screenshots
set -euo pipefail

run_packages=(g++ cmake make pkg-config gettext qt6-base-dev libglib2.0-dev fonts-ipafont-gothic)
test_packages=(man-db libgtest-dev libgmock-dev googletest g++-mingw-w64-x86-64-posix wine wine64 nsis imagemagick librsvg2-bin faketime xvfb xauth desktop-file-utils dpkg-dev lintian file clang-14 libclang-rt-14-dev clang-tidy-14 clang-format-14 cppcheck libbenchmark-dev)
bench_packages=(libgtest-dev libbenchmark-dev dateutils faketime hyperfine)
screenshots_packages=(xvfb xauth faketime xdotool imagemagick)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
  bench) wanted=("${run_packages[@]}" "${bench_packages[@]}") ;;
  screenshots) wanted=("${run_packages[@]}" "${screenshots_packages[@]}") ;;
  *) echo "usage: $0 run|test|bench|screenshots" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
