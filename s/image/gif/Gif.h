#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/image/IImage.h"
#include "s/image/bmp/Bitmap.h"

// Windows-facing name, as the JPEG's; nothing of it is platform code.
namespace s::image::gif::win {

// A GIF picture. The program's pictures are all JPEG, so no GIF decoder is built: decode
// refuses every stream and the picture stays empty, which is what a loader of the GIF kind
// hands out instead of nothing.
class Gif final : public s::image::IImage {
 public:
  Gif();
  Gif(const Gif&) = delete;
  Gif& operator=(const Gif&) = delete;

  const char16_t* className() const override { return u"s_image_gif_win_Gif"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  std::int32_t width() const override { return bitmap_->width(); }
  std::int32_t height() const override { return bitmap_->height(); }
  bool isEmpty() const override { return bitmap_->isEmpty(); }
  // Always false: the picture is left empty.
  bool decode(s::io::IInputStream& stream) override;
  s::image::win::BufferedImage* toBufferedImage(
      s::image::win::BufferedImage* target = nullptr) const override;

 private:
  s::base::Owned<s::image::bmp::win::Bitmap> bitmap_;
};

}  // namespace s::image::gif::win
