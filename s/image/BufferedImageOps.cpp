#include "s/image/BufferedImageOps.h"

#include "s/image/filters/scale/Resampler.h"

namespace s::image::win {

namespace {

std::int32_t grownSide(std::int32_t capacity, std::int32_t request) {
  if (capacity >= request) return capacity;
  float side = capacity > 0 ? static_cast<float>(capacity) : static_cast<float>(request);
  while (side < static_cast<float>(request)) side *= 1.2f;
  // Near the top of the range the grown side would not fit: ask for the request alone.
  return side < 2147483520.0f ? static_cast<std::int32_t>(side) : request;
}

}  // namespace

bool growToAtLeast(BufferedImage& image, std::int32_t width, std::int32_t height) {
  if (image.capacityWidth() >= width && image.capacityHeight() >= height) return true;
  return image.ensureCapacity(grownSide(image.capacityWidth(), width),
                              grownSide(image.capacityHeight(), height));
}

void makeOpaque(BufferedImage& image) {
  for (std::int32_t r = 0; r < image.height(); ++r) {
    std::uint8_t* pixel = image.row(r);
    for (std::int32_t c = 0; c < image.width(); ++c) pixel[c * 4 + 3] = 255;
  }
  image.setAlphaInUse(false);
  image.pixelsChanged();
}

void makeColourTransparent(BufferedImage& image, std::uint8_t red, std::uint8_t green,
                           std::uint8_t blue) {
  bool matched = false;
  for (std::int32_t r = 0; r < image.height(); ++r) {
    std::uint8_t* pixel = image.row(r);
    for (std::int32_t c = 0; c < image.width(); ++c, pixel += 4) {
      const bool same = pixel[0] == blue && pixel[1] == green && pixel[2] == red;
      pixel[3] = same ? 0 : 255;
      matched = matched || same;
    }
  }
  image.setAlphaInUse(matched);
  image.pixelsChanged();
}

BufferedImage* scaledVersion(BufferedImage& image, std::int32_t width, std::int32_t height,
                             bool keepRatio) {
  const std::int64_t imageWidth = image.width();
  const std::int64_t imageHeight = image.height();
  if (keepRatio && imageWidth > 0 && imageHeight > 0) {
    if (width * imageHeight > height * imageWidth) {
      width = static_cast<std::int32_t>(height * imageWidth / imageHeight);
    } else {
      height = static_cast<std::int32_t>(width * imageHeight / imageWidth);
    }
  }
  if (width == imageWidth && height == imageHeight) return &image;
  BufferedImage* cached = image.scaledCopy();
  if (cached != nullptr && cached->width() == width && cached->height() == height) return cached;
  if (cached == nullptr) {
    cached = image.makeScaledCopy(width, height);
    image.setScaledCopy(cached);
  }
  s::image::filters::scale::Resampler::scale(image, *cached, width, height);
  return cached;
}

}  // namespace s::image::win
