#!/usr/bin/env bash
# Installs the Debian 12 packages that a task needs and the machine lacks.
#   tools/install-deps.sh build   what building the programs needs
#   tools/install-deps.sh test    that, plus what the whole test suite needs
# As root it installs them with apt-get; otherwise it prints the exact line to run and fails.
set -euo pipefail

# ffmpeg: konvertuj.bat converts the recording and its clips for the player with it.
build_packages=(g++ cmake ninja-build qt6-base-dev ffmpeg)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
               g++-mingw-w64-x86-64-posix googletest wine64 nsis locales librsvg2-bin icoutils
               chromium firefox-esr xvfb xauth)

case "${1:-build}" in
  build) wanted=("${build_packages[@]}") ;;
  test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 build|test" >&2; exit 64 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
# Node.js may come from elsewhere than Debian (its npm then comes with it): any node and npm do.
if [ "${1:-build}" = test ] && ! { command -v node && command -v npm; } >/dev/null 2>&1; then
  missing+=(nodejs npm)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && $line" >&2
  exit 1
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends ${missing[*]} >/dev/null
