#pragma once

#include <cstdint>
#include <vector>

namespace support {

// A picture as the first JPEG decoder of the library stored it: rows from the top, 3 bytes per
// pixel (blue, green, red), no padding.
struct ReferencePicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgr;
};

// That first decoder, kept to hold the library's pixels to it: libjpeg's default output (RGB,
// grey, or four components read as inverted CMYK), one line at a time, reordered here. False for
// anything libjpeg cannot decode or warns about.
bool referenceDecode(const std::vector<std::uint8_t>& bytes, ReferencePicture& picture);

}  // namespace support
