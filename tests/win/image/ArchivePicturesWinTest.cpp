#include <doctest/doctest.h>

#include <cstdint>

#include "s/archive/dll/win/Archive.h"
#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/image/ArchivePictureSource.h"
#include "s/image/BufferedImage.h"
#include "s/image/IImage.h"
#include "s/thread/Pool.h"
#include "support/win/ResourceModule.h"

using s::base::Owned;
using s::image::win::BufferedImage;

TEST_CASE("image: the program's pictures load from its resource module, fully opaque") {
  auto archive = s::archive::dll::win::OpenModuleArchive(vexo_test::resourceModulePath().c_str());
  REQUIRE(archive->isOpen());
  const struct {
    std::uint32_t id;
    int width, height;
  } cases[] = {{131, 700, 230}, {132, 230, 700}};
  for (const auto& c : cases) {
    CAPTURE(c.id);
    Owned<s::image::IImage> picture = s::image::loadPicture(*archive, u"IDR_JPG", c.id);
    REQUIRE(picture);
    REQUIRE_FALSE(picture->isEmpty());
    CHECK(picture->width() == c.width);
    CHECK(picture->height() == c.height);

    Owned<BufferedImage> image(picture->toBufferedImage());
    REQUIRE(image->width() == c.width);
    REQUIRE(image->height() == c.height);
    int notOpaque = 0;
    for (int r = 0; r < image->height(); ++r) {
      for (int x = 0; x < image->width(); ++x) notOpaque += image->row(r)[x * 4 + 3] != 255;
    }
    CHECK(notOpaque == 0);
    CHECK_FALSE(image->alphaInUse());
  }

  // Missing: an id of the module under another type (the language document), an id it lacks.
  for (std::uint32_t id : {130u, 133u}) {
    CAPTURE(id);
    Owned<s::image::IImage> picture = s::image::loadPicture(*archive, u"IDR_JPG", id);
    REQUIRE(picture);
    CHECK(picture->isEmpty());
    Owned<BufferedImage> image(picture->toBufferedImage());
    CHECK(image->width() == 0);
    CHECK(image->height() == 0);
  }
  // The type text is matched as written.
  s::image::ArchivePictureSource source(*archive);
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  CHECK_FALSE(source.readResource(u"idr_jpg", 131, *bytes));
  CHECK(bytes->count() == 0);
}
