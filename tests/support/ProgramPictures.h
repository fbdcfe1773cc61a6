#pragma once

// The program's two pictures, checked the same way whichever source serves them: the files on
// the host, the resource module under Windows.

#include <doctest/doctest.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/image/ArchivePictureSource.h"
#include "s/image/BufferedImage.h"
#include "s/image/IImage.h"
#include "s/image/PictureLoader.h"

namespace support {

// Every pixel's alpha is 255 and the image does not claim to use alpha.
inline bool fullyOpaque(const s::image::win::BufferedImage& image) {
  for (int r = 0; r < image.height(); ++r) {
    for (int c = 0; c < image.width(); ++c) {
      if (image.row(r)[c * 4 + 3] != 255) return false;
    }
  }
  return !image.alphaInUse();
}

// Pictures 131 (700 x 230) and 132 (230 x 700) of type "IDR_JPG" decode from source to their
// sizes, and their buffered images are fully opaque.
template <class Source>
void checkProgramPictures(Source& source) {
  const struct {
    std::uint32_t id;
    int width, height;
  } cases[] = {{131, 700, 230}, {132, 230, 700}};
  for (const auto& c : cases) {
    CAPTURE(c.id);
    s::base::Owned<s::image::IImage> picture = s::image::loadPicture(source, u"IDR_JPG", c.id);
    REQUIRE(picture);
    REQUIRE_FALSE(picture->isEmpty());
    CHECK(picture->width() == c.width);
    CHECK(picture->height() == c.height);
    s::base::Owned<s::image::win::BufferedImage> image(picture->toBufferedImage());
    CHECK(image->width() == c.width);
    CHECK(image->height() == c.height);
    CHECK(fullyOpaque(*image));
  }
}

}  // namespace support
