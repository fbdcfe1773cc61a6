#!/usr/bin/env bash
# Builds the JPEG decoder library (libjpeg v62 API) for both MinGW toolchains (i686, the
# shipped program; x86_64, the 64-bit test build) from Debian's own source package, so that the
# Windows builds decode with the same code as the host build. Installs into
# build/deps/libjpeg-mingw-<arch>; does nothing for an architecture that is already there.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"
missing=()
for arch in i686 x86_64; do
  prefix="$repo/build/deps/libjpeg-mingw-$arch"
  [[ -f "$prefix/lib/libjpeg.a" && -f "$prefix/include/jpeglib.h" ]] || missing+=("$arch")
done
[[ ${#missing[@]} -gt 0 ]] || exit 0
source scripts/libjpeg-build.sh

src_list=/etc/apt/sources.list.d/debian-src.sources
if ! grep -qs '^Types: deb-src' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null; then
  echo "setup-libjpeg-mingw: adding source entries ($src_list)"
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$src_list"
  source scripts/apt-lib.sh
  apt_update || true
fi

src_root="$repo/build/deps/src"
mkdir -p "$src_root"
src_dir="$(libjpeg_source_dir "$repo")"
if [[ -z "$src_dir" ]]; then
  echo "setup-libjpeg-mingw: fetching the libjpeg-turbo source package"
  (cd "$src_root" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  src_dir="$(libjpeg_source_dir "$repo")"
fi
[[ -n "$src_dir" ]] || { echo "setup-libjpeg-mingw: no source directory" >&2; exit 1; }

for arch in "${missing[@]}"; do
  prefix="$repo/build/deps/libjpeg-mingw-$arch"
  echo "setup-libjpeg-mingw: building for MinGW $arch"
  build_static_libjpeg "$src_dir" "$repo/build/deps/libjpeg-mingw-build-$arch" "$prefix" \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix"
  echo "setup-libjpeg-mingw: installed in $prefix"
done
