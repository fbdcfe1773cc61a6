#include <doctest/doctest.h>

#include <cstdint>

#include "s/archive/dll/win/Archive.h"
#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/image/ArchivePictureSource.h"
#include "s/image/BufferedImage.h"
#include "s/image/IImage.h"
#include "s/thread/Pool.h"
#include "support/ProgramPictures.h"
#include "support/win/ResourceModule.h"

using s::base::Owned;
using s::image::win::BufferedImage;

TEST_CASE("image: the program's pictures load from its resource module, fully opaque") {
  auto archive = s::archive::dll::win::OpenModuleArchive(vexo_test::resourceModulePath().c_str());
  REQUIRE(archive->isOpen());
  support::checkProgramPictures(*archive);

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
