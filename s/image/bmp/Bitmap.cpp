#include "s/image/bmp/Bitmap.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "s/image/BufferedImage.h"
#include "s/image/BufferedImageOps.h"
#include "s/thread/Pool.h"

namespace s::image::bmp::win {

namespace {

// Blue, green, red to blue, green, red, alpha for a row of width pixels. The words are read and
// written little-endian, as the pixel format is defined.
void expandRow(const std::uint8_t* in, std::uint8_t* out, std::int32_t width, std::uint8_t alpha) {
  const std::uint32_t top = std::uint32_t{alpha} << 24;
  std::int32_t x = 0;
#if defined(__SSE2__)
  // Four pixels from a block of 16 bytes (12 used), while 16 remain in the row: each pixel
  // shifted down to the bottom of a lane, the four lanes put side by side.
  const __m128i colour = _mm_set1_epi32(0xFFFFFF);
  const __m128i topBytes = _mm_set1_epi32(static_cast<int>(top));
  for (; x + 6 <= width; x += 4, in += 12, out += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i first = _mm_unpacklo_epi32(block, _mm_srli_si128(block, 3));
    const __m128i second = _mm_unpacklo_epi32(_mm_srli_si128(block, 6), _mm_srli_si128(block, 9));
    const __m128i pixels = _mm_unpacklo_epi64(first, second);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_or_si128(_mm_and_si128(pixels, colour), topBytes));
  }
#endif
  // Four pixels from three words; every read stays inside the row's 3 x width bytes.
  for (; x + 4 <= width; x += 4, in += 12, out += 16) {
    std::uint32_t words[3];
    std::memcpy(words, in, 12);
    const std::uint32_t pixels[4] = {
        (words[0] & 0xFFFFFFu) | top,
        (words[0] >> 24) | ((words[1] << 8) & 0xFFFF00u) | top,
        (words[1] >> 16) | ((words[2] << 16) & 0xFF0000u) | top,
        (words[2] >> 8) | top,
    };
    std::memcpy(out, pixels, 16);
  }
  for (; x < width; ++x, in += 3, out += 4) {
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
    out[3] = alpha;
  }
}

}  // namespace

s::base::IObject* Bitmap::newInstance() const { return s::thread::takeFromPool<Bitmap>(); }

void Bitmap::release() { s::thread::giveBackToPool(this); }

void Bitmap::reset() {
  clear();
  bitFields_ = false;
  colourCount_ = 0;
  transparentColour_ = kNoTransparentColour;
}

bool Bitmap::create(std::int32_t width, std::int32_t height, std::int32_t bitCount) {
  return make(width, height, bitCount, true);
}

bool Bitmap::createForWriting(std::int32_t width, std::int32_t height, std::int32_t bitCount) {
  return make(width, height, bitCount, false);
}

bool Bitmap::make(std::int32_t width, std::int32_t height, std::int32_t bitCount, bool cleared) {
  clear();
  if (width <= 0 || height <= 0 || (bitCount != 24 && bitCount != 32)) return false;
  if (std::int64_t{width} * height > kMaxPixels) return false;
  const auto stride =
      static_cast<std::int32_t>(((std::int64_t{width} * bitCount / 8) + 3) & ~std::int64_t{3});
  if (!memory_.allocate(width, height, bitCount, stride, cleared)) return false;
  width_ = width;
  height_ = height;
  bitCount_ = bitCount;
  stride_ = stride;
  return true;
}

void Bitmap::clear() {
  memory_.free();
  width_ = height_ = bitCount_ = stride_ = 0;
}

s::image::win::BufferedImage* Bitmap::toBufferedImage(s::image::win::BufferedImage* target) const {
  using s::image::win::BufferedImage;
  const std::int32_t width = isEmpty() ? 0 : width_;
  const std::int32_t height = isEmpty() ? 0 : height_;
  if (target == nullptr) {
    target = s::thread::takeFromPool<BufferedImage>();
    target->create(width, height);
  } else {
    target->setScaledCopy(nullptr);
    if (s::image::win::growToAtLeast(*target, width, height)) target->setSize(width, height);
  }
  if (target->width() != width || target->height() != height || width == 0) {
    target->setSize(0, 0);
    target->setAlphaInUse(false);
    target->pixelsChanged();
    return target;
  }

  const bool ownAlpha = bitCount_ == 32 && !bitFields_;
  const bool keyed = transparentColour_ != kNoTransparentColour;
  bool anyAlpha = false;
  bool anyTranslucent = false;
  for (std::int32_t r = 0; r < height; ++r) {
    const std::uint8_t* in = row(r);
    std::uint8_t* out = target->row(r);
    if (bitCount_ == 32) {
      std::memcpy(out, in, static_cast<std::size_t>(width) * 4);
      if (!ownAlpha) continue;
      for (std::int32_t x = 0; x < width; ++x) {
        const std::uint8_t alpha = out[x * 4 + 3];
        anyAlpha = anyAlpha || alpha != 0;
        anyTranslucent = anyTranslucent || alpha != 255;
      }
    } else {
      // Opaque at once unless a colour key rewrites every alpha byte below.
      expandRow(in, out, width, keyed ? 0 : 255);
    }
  }
  if (ownAlpha && anyAlpha) {
    target->setAlphaInUse(anyTranslucent);
    target->pixelsChanged();
  } else if (keyed) {
    const auto key = static_cast<std::uint32_t>(transparentColour_);
    s::image::win::makeColourTransparent(*target, static_cast<std::uint8_t>(key >> 16),
                                         static_cast<std::uint8_t>(key >> 8),
                                         static_cast<std::uint8_t>(key));
  } else if (bitCount_ == 32) {
    // Also a 32-bit bitmap whose alpha bytes are all 0: it carries no alpha at all.
    s::image::win::makeOpaque(*target);
  } else {
    target->setAlphaInUse(false);
    target->pixelsChanged();
  }
  return target;
}

}  // namespace s::image::bmp::win
