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
  zip unzip python3                             # make dist, its test, the icon generator
  locales                                       # the ja_JP.UTF-8 locale Wine runs under
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page (932) and its file-name conversion from the locale: without
# a generated ja_JP.UTF-8, LANG=ja_JP.UTF-8 falls back to C and Japanese file names fail.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "install-deps: generating the ja_JP.UTF-8 locale"
  $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
