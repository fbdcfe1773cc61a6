#!/usr/bin/env bash
# Installs everything the builds, tests, benchmarks and fuzzers need on Debian 12 (run as root).
# Quick and quiet when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 g++-mingw-w64-x86-64-win32
  doctest-dev libbenchmark-dev libjpeg62-turbo-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  libpugixml-dev libtinyxml2-dev libstb-dev
  wine wine32:i386 wine64 fonts-wine fonts-dejavu-core xvfb xauth x11-apps imagemagick
  python3 qemu-user-static ccache
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  source "$(dirname "$0")/apt-lib.sh"
  apt_install "${missing[@]}"
fi

bash "$(dirname "$0")/enable-i386.sh"
