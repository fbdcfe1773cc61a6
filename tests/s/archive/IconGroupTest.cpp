#include <doctest/doctest.h>

#include <vector>

#include "s/archive/icon/IconGroup.h"

using s::archive::icon::IconImage;

namespace {

// An icon group resource: header, then one 14-byte entry per image.
std::vector<std::uint8_t> groupBytes(const std::vector<IconImage>& images) {
  std::vector<std::uint8_t> bytes = {0, 0, 1, 0, static_cast<std::uint8_t>(images.size()), 0};
  for (const IconImage& image : images) {
    const auto w = static_cast<std::uint8_t>(image.width == 256 ? 0 : image.width);
    const auto h = static_cast<std::uint8_t>(image.height == 256 ? 0 : image.height);
    const std::uint32_t n = image.byteCount;
    bytes.insert(bytes.end(),
                 {w, h, 0, 0, 1, 0, static_cast<std::uint8_t>(image.bitCount), 0,
                  static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                  static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24),
                  static_cast<std::uint8_t>(image.resourceId),
                  static_cast<std::uint8_t>(image.resourceId >> 8)});
  }
  return bytes;
}

}  // namespace

TEST_CASE("an icon group's images are read, and malformed groups are refused") {
  const std::vector<IconImage> images = {{16, 16, 32, 1128, 1}, {256, 256, 32, 70000, 300}};
  const auto bytes = groupBytes(images);
  IconImage read[s::archive::icon::kMaxIconImages];
  std::uint32_t count = 0;
  REQUIRE(s::archive::icon::parseIconGroup(bytes.data(), static_cast<std::uint32_t>(bytes.size()),
                                           read, &count));
  REQUIRE(count == 2);
  CHECK(read[0].width == 16);
  CHECK(read[0].byteCount == 1128);
  CHECK(read[1].width == 256);
  CHECK(read[1].height == 256);
  CHECK(read[1].byteCount == 70000);
  CHECK(read[1].resourceId == 300);

  // One byte short of the last entry, a cursor group, too short for a header.
  CHECK_FALSE(s::archive::icon::parseIconGroup(
      bytes.data(), static_cast<std::uint32_t>(bytes.size() - 1), read, &count));
  auto cursor = bytes;
  cursor[2] = 2;
  CHECK_FALSE(s::archive::icon::parseIconGroup(
      cursor.data(), static_cast<std::uint32_t>(cursor.size()), read, &count));
  CHECK_FALSE(s::archive::icon::parseIconGroup(bytes.data(), 5, read, &count));
}

TEST_CASE("an icon size takes the exact image with the deepest colour, else the nearest larger") {
  // The program icon's group: 32-bit, 8-bit and 4-bit images at several sizes.
  const std::vector<IconImage> program = {
      {16, 16, 32, 1128, 1}, {24, 24, 32, 2440, 2},  {32, 32, 32, 4264, 3},
      {48, 48, 32, 9640, 4}, {64, 64, 32, 16936, 5}, {16, 16, 8, 1384, 6},
      {32, 32, 8, 2216, 7},  {16, 16, 4, 296, 9},    {32, 32, 4, 744, 10}};
  const auto n = static_cast<std::uint32_t>(program.size());
  CHECK(s::archive::icon::chooseIconImage(program.data(), n, 16) == 0);
  CHECK(s::archive::icon::chooseIconImage(program.data(), n, 32) == 2);
  CHECK(s::archive::icon::chooseIconImage(program.data(), n, 64) == 4);
  CHECK(s::archive::icon::chooseIconImage(program.data(), n, 40) == 3);
  CHECK(s::archive::icon::chooseIconImage(program.data(), n, 96) == 4);

  // The deeper image wins wherever it is in the list.
  const std::vector<IconImage> lowFirst = {{32, 32, 4, 744, 1}, {32, 32, 32, 4264, 2}};
  CHECK(s::archive::icon::chooseIconImage(lowFirst.data(), 2, 32) == 1);
  CHECK(s::archive::icon::chooseIconImage(lowFirst.data(), 0, 32) == -1);
}
