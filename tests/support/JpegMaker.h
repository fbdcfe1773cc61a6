#pragma once

#include <cstdint>
#include <vector>

namespace support {

// How makeJpeg stores the samples besides the defaults.
struct JpegForm {
  // Four components stored as YCCK rather than CMYK.
  bool ycck = false;
  // Colour halved both ways (as most photographs), instead of kept at full resolution.
  bool halfChroma = false;
};

// Encodes width x height samples (components per pixel: 1 grey, 3 RGB, 4 CMYK stored as
// Adobe tools do) as a baseline JPEG at quality 100, without chroma subsampling unless form
// asks for it.
std::vector<std::uint8_t> makeJpeg(int width, int height, int components,
                                   const std::vector<std::uint8_t>& samples,
                                   const JpegForm& form = {});

// The bytes of a file, empty when it cannot be read.
std::vector<std::uint8_t> readFileBytes(const char* path);

}  // namespace support
