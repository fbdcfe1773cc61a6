#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace s::image::win {
class BufferedImage;
}

namespace s::image::filters::scale {

class Contribution;

// Memory the passes keep from one scaling to the next, used under the resampler's buffer lock.
struct PassScratch {
  std::vector<std::uint32_t> sums;
  std::vector<std::int32_t> starts;
  std::vector<std::int16_t> weights;
};

// The inner loops of the resampler's two passes. Every set gives the same bytes; they differ
// only in the processor features they need.
struct ScalePasses {
  // Each row of source, resized to table.count() pixels, into out (rows outBytes apart).
  void (*horizontal)(const s::image::win::BufferedImage& source, const Contribution& table,
                     std::uint8_t* out, std::size_t outBytes, PassScratch& scratch);
  // Rows 0 to table.count() - 1 of target, each rowBytes long, from the rows of in (rowBytes
  // apart).
  void (*vertical)(const std::uint8_t* in, std::size_t rowBytes, const Contribution& table,
                   s::image::win::BufferedImage& target, PassScratch& scratch);
};

// Destination index i of a horizontal pass over the row in, as the plain path computes it: a
// copy of the one source pixel, or the rounded 16.16 sums of its pixels.
void plainHorizontalPixel(const std::uint8_t* in, std::uint8_t* out, const Contribution& table,
                          std::int32_t i);

// Byte by byte: runs on every processor.
const ScalePasses& plainPasses();

// The four channels of a pixel in one SSE2 register; null where the processor lacks SSE2.
const ScalePasses* sse2Passes();

}  // namespace s::image::filters::scale
