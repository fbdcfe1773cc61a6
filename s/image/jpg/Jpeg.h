#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/image/bmp/Bitmap.h"
#include "s/image/jpg/IJpeg.h"

// Windows-facing name; decoding is portable and the pixels live in a Bitmap.
namespace s::image::jpg::win {

// A JPEG picture decoded into a 24-bit bitmap.
class Jpeg final : public IJpeg {
 public:
  // Larger pictures are refused before any pixel memory is taken.
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;

  Jpeg();
  Jpeg(const Jpeg&) = delete;
  Jpeg& operator=(const Jpeg&) = delete;

  const char16_t* className() const override { return u"s_image_jpg_win_Jpeg"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  std::int32_t quality() const override { return quality_; }
  void setQuality(std::int32_t quality) override { quality_ = quality; }

  std::int32_t width() const override { return bitmap_->width(); }
  std::int32_t height() const override { return bitmap_->height(); }
  bool isEmpty() const override { return bitmap_->isEmpty(); }
  // Corrupt or truncated data (anything libjpeg warns about) never end the process: the
  // picture is left empty and false returned.
  bool decode(s::io::IInputStream& stream) override;
  s::image::win::BufferedImage* toBufferedImage(
      s::image::win::BufferedImage* target = nullptr) const override;

  const s::image::bmp::win::Bitmap& bitmap() const { return *bitmap_; }
  // Row r from the top: 3 bytes per pixel, blue, green, red.
  std::uint8_t* row(std::int32_t r) const { return bitmap_->row(r); }

 private:
  static constexpr std::int32_t kDefaultQuality = 75;

  s::base::Owned<s::image::bmp::win::Bitmap> bitmap_;
  std::int32_t quality_ = kDefaultQuality;
};

}  // namespace s::image::jpg::win
