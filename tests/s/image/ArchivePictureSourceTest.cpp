#include <doctest/doctest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "s/archive/dll/IArchive.h"
#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/image/ArchivePictureSource.h"
#include "s/image/IImage.h"
#include "s/io/IOutputStream.h"
#include "s/thread/Pool.h"
#include "support/JpegMaker.h"
#include "support/ResourceListArchive.h"

using s::base::Owned;
using support::ResourceList;

namespace {

std::vector<std::uint8_t> flatJpeg(int width, int height) {
  return support::makeJpeg(width, height, 3, std::vector<std::uint8_t>(width * height * 3, 128));
}

}  // namespace

TEST_CASE("pictures from an archive: the resource of that type text and id, read in full") {
  ResourceList archive({
      {u"IDR_XML", 131, {'<', 'x', '/', '>'}},
      {u"IDR_JPG", 131, flatJpeg(24, 8)},
      {u"IDR_JPG", 132, flatJpeg(8, 24)},
      {u"IDR_JPG", 133, flatJpeg(16, 16), false},
      {u"IDR_JPG", 134, {}},
  });
  const struct {
    const char16_t* typeName;
    std::uint32_t id;
    int width, height;
    int readIndex;  // -1: no read expected
  } cases[] = {
      {u"IDR_JPG", 131, 24, 8, 1},
      {u"IDR_JPG", 132, 8, 24, 2},
      // A read that fails leaves the picture empty even when the bytes it wrote would decode.
      {u"IDR_JPG", 133, 0, 0, 3},
      // A resource of no bytes is found and read, and decodes to nothing.
      {u"IDR_JPG", 134, 0, 0, 4},
      {u"IDR_JPG", 999, 0, 0, -1},
  };
  for (const auto& c : cases) {
    CAPTURE(c.id);
    archive.reads.clear();
    Owned<s::image::IImage> picture = s::image::loadPicture(archive, c.typeName, c.id);
    REQUIRE(picture);
    CHECK(picture->isEmpty() == (c.width == 0));
    CHECK(picture->width() == c.width);
    CHECK(picture->height() == c.height);
    if (c.readIndex < 0) {
      CHECK(archive.reads.empty());
    } else {
      CHECK(archive.reads == std::vector<std::uint32_t>{static_cast<std::uint32_t>(c.readIndex)});
    }
  }
}

TEST_CASE("the archive source appends the resource's bytes and answers whether it read them") {
  const std::vector<std::uint8_t> payload = {1, 2, 3, 250};
  ResourceList archive({{u"IDR_JPG", 7, payload}, {u"IDR_JPG", 8, payload, false}});
  s::image::ArchivePictureSource source(archive);
  Owned<s::col::_array::ArrayU08> bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  bytes->add(9);
  bytes->rewind();
  REQUIRE(source.readResource(u"IDR_JPG", 7, *bytes));
  REQUIRE(bytes->count() == 5);
  CHECK(bytes->at(0) == 9);
  CHECK(bytes->at(4) == 250);
  // A read that fails part way takes back what it wrote.
  CHECK_FALSE(source.readResource(u"IDR_JPG", 8, *bytes));
  CHECK(bytes->count() == 5);
  // Missing, or of another type text case: not read at all.
  CHECK_FALSE(source.readResource(u"IDR_JPG", 9, *bytes));
  CHECK_FALSE(source.readResource(u"idr_jpg", 7, *bytes));
  CHECK(archive.reads == std::vector<std::uint32_t>{0, 1});
  REQUIRE(source.readResource(u"IDR_JPG", 7, *bytes));
  CHECK(bytes->count() == 9);
  CHECK(bytes->at(5) == 1);
}
