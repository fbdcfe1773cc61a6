#pragma once

#include <cstdint>

#include "s/image/BufferedImage.h"

// The free operations on buffered images.
namespace s::image::win {

// Makes room for at least width x height by growing each side of the capacity by 1.2 steps,
// so that repeated small enlargements do not reallocate each time. Keeps the logical size
// unless a new surface was needed.
bool growToAtLeast(BufferedImage& image, std::int32_t width, std::int32_t height);

// Every alpha byte 255; alpha in use becomes false.
void makeOpaque(BufferedImage& image);

// Pixels of exactly that colour become transparent (alpha 0), all others opaque; alpha in use
// becomes true when some pixel matched.
void makeColourTransparent(BufferedImage& image, std::uint8_t red, std::uint8_t green,
                           std::uint8_t blue);

// The image at width x height (with keepRatio, the side that is too long is shortened to the
// image's proportions): the image itself at its own size, else its cached scaled copy, made
// with the bilinear resampler when the cache holds another size. Owned by the image.
BufferedImage* scaledVersion(BufferedImage& image, std::int32_t width, std::int32_t height,
                             bool keepRatio);

}  // namespace s::image::win
