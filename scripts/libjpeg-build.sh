# Sourced by the libjpeg set-up scripts: builds the static library (v62 API) from the unpacked
# source package and installs just what our builds use.

# The unpacked libjpeg-turbo source directory under build/deps/src, or nothing.
libjpeg_source_dir() {
  find "$1/build/deps/src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' 2>/dev/null | head -n 1
}

# build_static_libjpeg SOURCE BUILD_DIR PREFIX [CMAKE ARGUMENTS...]
# Only the static library and its four headers are installed; the package's own install step
# also wants the command-line tools, which these builds do not make.
build_static_libjpeg() {
  local src_dir=$1 build_dir=$2 prefix=$3
  shift 3
  cmake -S "$src_dir" -B "$build_dir" -G Ninja -Wno-dev "$@" \
    -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
    -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF >/dev/null
  cmake --build "$build_dir" -j2 --target jpeg-static >/dev/null
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$build_dir/libjpeg.a" "$prefix/lib/"
  cp "$src_dir/jpeglib.h" "$src_dir/jmorecfg.h" "$src_dir/jerror.h" "$build_dir/jconfig.h" \
    "$prefix/include/"
}
