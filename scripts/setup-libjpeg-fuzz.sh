#!/usr/bin/env bash
# Builds libjpeg (v62 API) from Debian's source package with the fuzzing sanitizers and
# coverage, into build/deps/libjpeg-fuzz, so that fuzz_jpeg explores the decoder itself and
# not only our glue. Does nothing when already built. The source comes from
# scripts/setup-libjpeg-mingw.sh, which fetches it.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"
prefix="$repo/build/deps/libjpeg-fuzz"
if [[ -f "$prefix/lib/libjpeg.a" && -f "$prefix/include/jpeglib.h" ]]; then
  exit 0
fi
bash scripts/setup-libjpeg-mingw.sh
src_dir="$(find "$repo/build/deps/src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)"
[[ -n "$src_dir" ]] || { echo "setup-libjpeg-fuzz: no source directory" >&2; exit 1; }

build_dir="$repo/build/deps/libjpeg-fuzz-build"
flags="-g -O1 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
echo "setup-libjpeg-fuzz: building with coverage and sanitizers"
cmake -S "$src_dir" -B "$build_dir" -G Ninja -Wno-dev \
  -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS="$flags" \
  -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF >/dev/null
cmake --build "$build_dir" -j2 --target jpeg-static >/dev/null
mkdir -p "$prefix/lib" "$prefix/include"
cp "$build_dir/libjpeg.a" "$prefix/lib/"
cp "$src_dir/jpeglib.h" "$src_dir/jmorecfg.h" "$src_dir/jerror.h" "$build_dir/jconfig.h" \
  "$prefix/include/"
echo "setup-libjpeg-fuzz: installed in $prefix"
