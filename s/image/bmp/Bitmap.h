#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/image/bmp/DibMemory.h"
#include "s/thread/IPoolable.h"

namespace s::image::win {
class BufferedImage;
}

// The class keeps its Windows-facing name, but all of it except the pixel memory (DibMemory) is
// portable, so that the host build decodes and tests the same code.
namespace s::image::bmp::win {

// A device-independent bitmap of 24 or 32 bits per pixel with bottom-up rows, an optional colour
// table and an optional transparent colour.
class Bitmap final : public s::base::IObject, public s::thread::IPoolable {
 public:
  static constexpr std::int32_t kNoTransparentColour = -1;
  // Larger pictures are refused rather than half-allocated; 2^26 pixels is 256 MiB at 32 bits.
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

  Bitmap() = default;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  const char16_t* className() const override { return u"s_image_bmp_win_Bitmap"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  // Replaces the pixels with zeroed ones of width x height at bitCount (24 or 32) bits; false and
  // empty for a size of 0 or below, above kMaxPixels, or another bit count.
  bool create(std::int32_t width, std::int32_t height, std::int32_t bitCount);
  // As create, but the pixels are left as the platform gives them (not cleared on the host):
  // for a caller that writes every row in full, padding included.
  bool createForWriting(std::int32_t width, std::int32_t height, std::int32_t bitCount);
  void clear();

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  std::int32_t bitCount() const { return bitCount_; }
  std::int32_t stride() const { return stride_; }
  bool isEmpty() const { return memory_.bits() == nullptr; }
  std::uint8_t* bits() const { return memory_.bits(); }
  void* handle() const { return memory_.handle(); }
  // Row r counted from the top; r is not validated.
  std::uint8_t* row(std::int32_t r) const {
    return memory_.bits() + static_cast<std::intptr_t>(height_ - r - 1) * stride_;
  }

  // The pixels as a 32-bit buffered image: into target when given (resized), else into a new
  // image owned by the caller. 32-bit pixels keep their alpha; otherwise the transparent colour
  // is keyed out, or the image is made fully opaque.
  s::image::win::BufferedImage* toBufferedImage(s::image::win::BufferedImage* target) const;

  // True when the pixels use bit-field masks rather than plain BGR(A) bytes.
  bool bitFields() const { return bitFields_; }
  void setBitFields(bool on) { bitFields_ = on; }
  std::uint32_t colourTableSize() const { return colourCount_; }
  const std::uint32_t* colourTable() const { return colours_; }
  // Colour key as 0x00RRGGBB, or kNoTransparentColour.
  std::int32_t transparentColour() const { return transparentColour_; }
  void setTransparentColour(std::int32_t key) { transparentColour_ = key; }

 private:
  bool make(std::int32_t width, std::int32_t height, std::int32_t bitCount, bool cleared);

  DibMemory memory_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t bitCount_ = 0;
  std::int32_t stride_ = 0;
  bool bitFields_ = false;
  std::uint32_t colours_[256] = {};
  std::uint32_t colourCount_ = 0;
  std::int32_t transparentColour_ = kNoTransparentColour;
};

}  // namespace s::image::bmp::win
