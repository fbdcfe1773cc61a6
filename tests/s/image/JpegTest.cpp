#include <doctest/doctest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/image/BufferedImage.h"
#include "s/image/PictureLoader.h"
#include "s/image/jpg/Jpeg.h"
#include "s/io/MemoryInputStream.h"
#include "s/thread/Pool.h"
#include "support/JpegMaker.h"
#include "support/JpegReference.h"
#include "support/ProgramPictures.h"

using s::base::Owned;
using s::image::jpg::win::Jpeg;
using s::image::win::BufferedImage;
using support::makeJpeg;

namespace {

bool decode(Jpeg& jpeg, const std::vector<std::uint8_t>& bytes) {
  return s::image::readPicture(bytes.data(), static_cast<std::uint32_t>(bytes.size()), jpeg);
}

// Serves the committed picture files as resources of type "IDR_JPG".
class FilePictures final : public s::image::IPictureSource {
 public:
  bool readResource(const char16_t* typeName, std::uint32_t id,
                    s::col::_array::ArrayU08& bytes) override {
    ++reads;
    if (std::u16string(typeName) != u"IDR_JPG" || (id != 131 && id != 132)) return false;
    const std::string path =
        std::string(VEXO_IMAGES_DIR) + "/banner-" + std::to_string(id) + ".jpg";
    const std::vector<std::uint8_t> file = support::readFileBytes(path.c_str());
    for (std::uint8_t byte : file) bytes.add(byte);
    return !file.empty();
  }
  int reads = 0;
};

std::uint64_t fingerprint(const BufferedImage& image) {
  std::uint64_t hash = 14695981039346656037ull;
  for (int r = 0; r < image.height(); ++r) {
    for (int x = 0; x < image.width() * 4; ++x) hash = (hash ^ image.row(r)[x]) * 1099511628211ull;
  }
  return hash;
}

}  // namespace

TEST_CASE("a greyscale JPEG gives equal blue, green and red") {
  std::vector<std::uint8_t> samples(16 * 8);
  for (int x = 0; x < 16; ++x) {
    for (int y = 0; y < 8; ++y) samples[y * 16 + x] = x < 8 ? 40 : 210;
  }
  Owned<Jpeg> jpeg = s::thread::obtain<Jpeg>();
  REQUIRE(decode(*jpeg, makeJpeg(16, 8, 1, samples)));
  REQUIRE(jpeg->width() == 16);
  REQUIRE(jpeg->height() == 8);
  for (int x : {0, 7, 8, 15}) {
    const std::uint8_t* pixel = jpeg->row(3) + x * 3;
    CHECK(pixel[0] == (x < 8 ? 40 : 210));
    CHECK(pixel[1] == pixel[0]);
    CHECK(pixel[2] == pixel[0]);
  }
}

TEST_CASE("a four-component JPEG is read as inverted CMYK") {
  // Left block: C3 = 255 keeps the other samples; right block: C3 = 0 gives black; the lower
  // block row has C3 = 128 and scales them.
  const int width = 16, height = 16;
  std::vector<std::uint8_t> samples(width * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* s = &samples[(y * width + x) * 4];
      s[0] = 200;
      s[1] = 100;
      s[2] = 50;
      s[3] = y >= 8 ? 128 : x < 8 ? 255 : 0;
    }
  }
  Owned<Jpeg> jpeg = s::thread::obtain<Jpeg>();
  REQUIRE(decode(*jpeg, makeJpeg(width, height, 4, samples)));
  const std::uint8_t* keep = jpeg->row(2) + 3 * 3;
  CHECK(keep[0] == 50);   // blue = C2
  CHECK(keep[1] == 100);  // green = C1
  CHECK(keep[2] == 200);  // red = C0
  const std::uint8_t* black = jpeg->row(2) + 12 * 3;
  CHECK(black[0] == 0);
  CHECK(black[1] == 0);
  CHECK(black[2] == 0);
  const std::uint8_t* half = jpeg->row(12) + 3 * 3;
  CHECK(half[0] == 50 * 128 / 255);
  CHECK(half[1] == 100 * 128 / 255);
  CHECK(half[2] == 200 * 128 / 255);
}

TEST_CASE("an RGB JPEG is stored blue, green, red and converts to an opaque image") {
  const int width = 8, height = 8;
  std::vector<std::uint8_t> samples(width * height * 3);
  for (int i = 0; i < width * height; ++i) {
    samples[i * 3] = 230;  // red
    samples[i * 3 + 1] = 120;
    samples[i * 3 + 2] = 20;
  }
  Owned<Jpeg> jpeg = s::thread::obtain<Jpeg>();
  REQUIRE(decode(*jpeg, makeJpeg(width, height, 3, samples)));
  const std::uint8_t* pixel = jpeg->row(7) + 7 * 3;
  // Colour conversion through YCbCr may move a sample by a step or two.
  CHECK(pixel[0] == doctest::Approx(20).epsilon(0.1));
  CHECK(pixel[1] == doctest::Approx(120).epsilon(0.03));
  CHECK(pixel[2] == doctest::Approx(230).epsilon(0.02));

  Owned<BufferedImage> image(jpeg->toBufferedImage());
  REQUIRE(image->width() == 8);
  REQUIRE(image->height() == 8);
  CHECK(support::fullyOpaque(*image));
  CHECK(std::memcmp(image->row(7) + 7 * 4, pixel, 3) == 0);

  // Into a given, larger target: resized, pixels replaced.
  Owned<BufferedImage> target = s::thread::obtain<BufferedImage>();
  REQUIRE(target->create(20, 30));
  CHECK(jpeg->toBufferedImage(target.get()) == target.get());
  CHECK(target->width() == 8);
  CHECK(target->height() == 8);
  CHECK(std::memcmp(target->row(0), image->row(0), 32) == 0);
}

TEST_CASE("decoded pixels and their buffered image are those of the first decoder") {
  // Odd widths leave padding at the end of every 24-bit row; halved colour goes through
  // libjpeg's upsampling; grey, CMYK and YCCK take their own conversions.
  const int width = 37, height = 19;
  std::vector<std::uint8_t> grey(width * height), rgb(width * height * 3), inks(width * height * 4);
  std::uint32_t seed = 99;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<std::uint8_t>(seed >> 16);
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Smooth ramps with some noise, so that the coefficients are not all near zero.
      const int i = y * width + x;
      grey[i] = static_cast<std::uint8_t>(x * 6 + (next() & 15));
      for (int c = 0; c < 3; ++c)
        rgb[i * 3 + c] = static_cast<std::uint8_t>(x * 5 + y * c * 4 + (next() & 31));
      for (int c = 0; c < 4; ++c)
        inks[i * 4 + c] = static_cast<std::uint8_t>(y * 11 + c * 50 + (next() & 31));
    }
  }
  const std::string images = VEXO_IMAGES_DIR;
  // The committed banners also keep a fingerprint of the buffered image that the first
  // decoder gave (FNV-1a over the rows' bytes), so that a change of both paths shows as well.
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::uint64_t fingerprint;
  } cases[] = {
      {"banner 131", support::readFileBytes((images + "/banner-131.jpg").c_str()),
       11917923584658820093ull},
      {"banner 132", support::readFileBytes((images + "/banner-132.jpg").c_str()),
       18278603921664881265ull},
      {"grey", makeJpeg(width, height, 1, grey), 0},
      {"RGB", makeJpeg(width, height, 3, rgb), 0},
      {"RGB, colour halved", makeJpeg(width, height, 3, rgb, {false, true}), 0},
      {"CMYK", makeJpeg(width, height, 4, inks), 0},
      {"YCCK, colour halved", makeJpeg(width, height, 4, inks, {true, true}), 0},
  };
  Owned<Jpeg> jpeg = s::thread::obtain<Jpeg>();
  // A reused target larger than the picture: its rows lie apart from a fresh image's.
  Owned<BufferedImage> reused = s::thread::obtain<BufferedImage>();
  REQUIRE(reused->create(800, 800));
  for (const auto& c : cases) {
    const std::string name = c.name;
    CAPTURE(name);
    support::ReferencePicture expected;
    REQUIRE(support::referenceDecode(c.bytes, expected));
    REQUIRE(decode(*jpeg, c.bytes));
    REQUIRE(jpeg->width() == expected.width);
    REQUIRE(jpeg->height() == expected.height);
    const std::size_t rowBytes = static_cast<std::size_t>(expected.width) * 3;
    int differentRows = 0;
    for (int r = 0; r < expected.height; ++r) {
      if (std::memcmp(jpeg->row(r), &expected.bgr[r * rowBytes], rowBytes) != 0) ++differentRows;
    }
    CHECK(differentRows == 0);

    Owned<BufferedImage> fresh(jpeg->toBufferedImage());
    CHECK(jpeg->toBufferedImage(reused.get()) == reused.get());
    for (const BufferedImage* image : {fresh.get(), reused.get()}) {
      REQUIRE(image->width() == expected.width);
      REQUIRE(image->height() == expected.height);
      CHECK_FALSE(image->alphaInUse());
      int differentPixels = 0;
      for (int r = 0; r < expected.height; ++r) {
        for (int x = 0; x < expected.width; ++x) {
          const std::uint8_t* in = &expected.bgr[r * rowBytes + x * 3];
          const std::uint8_t* out = image->row(r) + x * 4;
          if (out[0] != in[0] || out[1] != in[1] || out[2] != in[2] || out[3] != 255) {
            ++differentPixels;
          }
        }
      }
      CHECK(differentPixels == 0);
    }
    if (c.fingerprint != 0) CHECK(fingerprint(*fresh) == c.fingerprint);
  }
}

TEST_CASE("corrupt or truncated JPEG data leave the picture empty and the process running") {
  std::vector<std::uint8_t> samples(32 * 32);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i * 7);
  const std::vector<std::uint8_t> good = makeJpeg(32, 32, 1, samples);

  std::vector<std::uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<std::uint8_t> noHeader(good.begin() + 2, good.end());
  REQUIRE(good.size() > 100);
  std::vector<std::uint8_t> garbledScan = good;
  // Markers where entropy-coded data should be.
  std::memset(garbledScan.data() + good.size() - 40, 0xFF, 38);
  std::vector<std::uint8_t> badHeader = good;
  badHeader[good.size() / 8] ^= 0x5A;
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"text", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'}},
      {"start marker only", {0xFF, 0xD8}},
      {"truncated", truncated},
      {"no start marker", noHeader},
      {"garbled scan", garbledScan},
  };
  Owned<Jpeg> jpeg = s::thread::obtain<Jpeg>();
  for (const auto& c : cases) {
    CAPTURE(c.name);
    REQUIRE(decode(*jpeg, good));  // a picture that a failed decode must not leave behind
    CHECK_FALSE(decode(*jpeg, c.bytes));
    CHECK(jpeg->isEmpty());
    CHECK(jpeg->width() == 0);
    Owned<BufferedImage> image(jpeg->toBufferedImage());
    CHECK(image->width() == 0);
    CHECK(image->height() == 0);
  }
  // A header damaged somewhere in its tables: whatever libjpeg makes of it, the process goes
  // on and a failure leaves nothing behind.
  if (!decode(*jpeg, badHeader)) CHECK(jpeg->isEmpty());
}

TEST_CASE("the program's pictures decode to their sizes, fully opaque") {
  FilePictures pictures;
  support::checkProgramPictures(pictures);
  // A missing resource gives an empty picture; so does the GIF kind, which has no decoder here;
  // a type the program has no picture kind for gives none.
  Owned<s::image::IImage> missing = s::image::loadPicture(pictures, u"IDR_JPG", 999);
  REQUIRE(missing);
  CHECK(missing->isEmpty());
  const int readsBefore = pictures.reads;
  Owned<s::image::IImage> gif = s::image::loadPicture(pictures, u"IDR_GIF", 131);
  REQUIRE(gif);
  CHECK(std::u16string(gif->className()) == u"s_image_gif_win_Gif");
  CHECK(gif->isEmpty());
  CHECK(gif->width() == 0);
  CHECK(gif->height() == 0);
  Owned<BufferedImage> image(gif->toBufferedImage());
  REQUIRE(image);
  CHECK(image->width() == 0);
  CHECK(image->height() == 0);
  CHECK_FALSE(s::image::loadPicture(pictures, u"IDR_PNG", 131));
  CHECK(pictures.reads == readsBefore);
}

TEST_CASE("a memory input stream reads, seeks and skips within its bytes") {
  const std::uint8_t bytes[5] = {1, 2, 3, 4, 5};
  Owned<s::io::MemoryInputStream> stream = s::thread::obtain<s::io::MemoryInputStream>();
  stream->open(bytes, 5);
  std::uint8_t got[8] = {};
  std::uint32_t count = 0;
  REQUIRE(stream->read(got, 3, &count));
  CHECK(count == 3);
  CHECK(got[2] == 3);
  stream->skip(100);
  CHECK(stream->position() == 5);
  CHECK_FALSE(stream->read(got, 1, &count));
  CHECK(count == 0);
  stream->seekFromEnd(2);
  REQUIRE(stream->read(got, 8, &count));
  CHECK(count == 2);
  CHECK(got[0] == 4);
  stream->skipBack(9);
  CHECK(stream->position() == 0);
  stream->seek(9);
  CHECK(stream->position() == 5);
}
