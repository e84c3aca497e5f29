#!/usr/bin/env bash
# Installs what the build, the tests, the demo and the benchmarks need and is missing,
# from Debian's package archive. Quick when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ make googletest        # native build and GoogleTest sources
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # Windows cross build
  wine wine64 xvfb xdotool x11-apps imagemagick         # Wine, a display, input, screenshots
  fonts-ipafont-gothic                          # a Japanese font for "ＭＳ Ｐゴシック"
  clang libclang-rt-14-dev                      # libFuzzer for make fuzz
  zip unzip                                     # make dist and its test
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
