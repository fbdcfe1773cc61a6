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
source scripts/libjpeg-build.sh
src_dir="$(libjpeg_source_dir "$repo")"
[[ -n "$src_dir" ]] || { echo "setup-libjpeg-fuzz: no source directory" >&2; exit 1; }

echo "setup-libjpeg-fuzz: building with coverage and sanitizers"
build_static_libjpeg "$src_dir" "$repo/build/deps/libjpeg-fuzz-build" "$prefix" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="-g -O1 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
echo "setup-libjpeg-fuzz: installed in $prefix"
