#pragma once

#include <cstdint>
#include <vector>

namespace support {

// Encodes width x height samples (components per pixel: 1 grey, 3 RGB, 4 CMYK stored as
// Adobe tools do) as a baseline JPEG at quality 100 without chroma subsampling.
std::vector<std::uint8_t> makeJpeg(int width, int height, int components,
                                   const std::vector<std::uint8_t>& samples);

// The bytes of a file, empty when it cannot be read.
std::vector<std::uint8_t> readFileBytes(const char* path);

}  // namespace support
