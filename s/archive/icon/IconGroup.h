#pragma once

#include <cstdint>

namespace s::archive::icon {

// One image of an icon group resource (GRPICONDIRENTRY): its size, colour depth and the id of
// the icon resource that holds its bytes.
struct IconImage {
  std::int32_t width = 0;  // 0 in the resource means 256
  std::int32_t height = 0;
  std::int32_t bitCount = 0;
  std::uint32_t byteCount = 0;
  std::uint32_t resourceId = 0;
};

constexpr std::uint32_t kMaxIconImages = 64;

// Reads the images of an icon group resource; false when the bytes are not one (too short, not
// of type icon, or entries past the end). At most kMaxIconImages are kept.
bool parseIconGroup(const std::uint8_t* bytes, std::uint32_t count, IconImage* images,
                    std::uint32_t* imageCount);

// The image to render at size x size: the exact size with the deepest colour, else the smallest
// larger one (scaled down), else the largest (scaled up). -1 for an empty group.
std::int32_t chooseIconImage(const IconImage* images, std::uint32_t imageCount, std::int32_t size);

}  // namespace s::archive::icon
