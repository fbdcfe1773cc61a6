#pragma once

#include <cstdint>

namespace s::image::win {
class BufferedImage;
}

namespace s::image::filters::scale {

// The separable two-pass resampler with the shared bilinear kernel: rows first into a shared
// intermediate buffer, then columns. Scalings from different threads run one after another.
class Resampler {
 public:
  // The processor paths of the passes. They give the same bytes.
  enum class Path { kPlain, kSse2 };

  // Resizes source into target at width x height (target grows by the 1.2 rule); target takes
  // source's alpha-in-use flag. False when target is source or cannot be given the room; a size
  // of 0 or below leaves target empty, an empty source gives transparent black. Takes the
  // fastest path this processor has.
  static bool scale(const s::image::win::BufferedImage& source,
                    s::image::win::BufferedImage& target, std::int32_t width, std::int32_t height);

  // Whether this processor can take the path (kPlain always can).
  static bool hasPath(Path path);
  // scale() on the given path; false, and target untouched, when the processor lacks it.
  static bool scaleOn(Path path, const s::image::win::BufferedImage& source,
                      s::image::win::BufferedImage& target, std::int32_t width,
                      std::int32_t height);
};

}  // namespace s::image::filters::scale
