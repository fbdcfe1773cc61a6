#include "support/JpegReference.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <utility>

// After the headers that declare size_t and FILE, which it needs.
#include <jpeglib.h>

namespace support {

namespace {

struct Errors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info) {
  std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

void quiet(j_common_ptr) {}

void storeLine(const JSAMPLE* in, int components, JDIMENSION width, std::uint8_t* out) {
  for (JDIMENSION x = 0; x < width; ++x, in += components, out += 3) {
    if (components == 4) {
      const unsigned k = in[3];
      out[0] = static_cast<std::uint8_t>(in[2] * k / 255);
      out[1] = static_cast<std::uint8_t>(in[1] * k / 255);
      out[2] = static_cast<std::uint8_t>(in[0] * k / 255);
    } else if (components == 1) {
      out[0] = out[1] = out[2] = in[0];
    } else {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
}

}  // namespace

bool referenceDecode(const std::vector<std::uint8_t>& bytes, ReferencePicture& picture) {
  jpeg_decompress_struct info{};
  Errors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = leave;
  errors.base.output_message = quiet;
  picture = ReferencePicture{};
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  const int components = info.output_components;
  const JDIMENSION width = info.output_width;
  std::vector<JSAMPLE> line(static_cast<std::size_t>(components < 3 ? 3 : components) * width);
  std::vector<std::uint8_t> bgr(std::size_t{width} * 3 * info.output_height);
  while (info.output_scanline < info.output_height) {
    const JDIMENSION done = info.output_scanline;
    JSAMPROW row = line.data();
    if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
    storeLine(line.data(), components, width, bgr.data() + std::size_t{done} * width * 3);
  }
  const bool complete = info.output_scanline == info.output_height;
  if (complete) jpeg_finish_decompress(&info);
  const bool clean = complete && errors.base.num_warnings == 0;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(info.output_height);
  picture.bgr = std::move(bgr);
  jpeg_destroy_decompress(&info);
  return clean;
}

}  // namespace support
