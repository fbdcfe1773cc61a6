#include "s/archive/icon/IconGroup.h"

namespace s::archive::icon {

namespace {
constexpr std::uint32_t kHeaderSize = 6;
constexpr std::uint32_t kEntrySize = 14;
constexpr std::uint16_t kTypeIcon = 1;

std::uint16_t word(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}
std::uint32_t dword(const std::uint8_t* at) {
  return word(at) | (static_cast<std::uint32_t>(word(at + 2)) << 16);
}

// Deeper colour wins, then more bytes (a PNG-compressed image is smaller but not better).
bool better(const IconImage& a, const IconImage& b) {
  if (a.bitCount != b.bitCount) return a.bitCount > b.bitCount;
  return a.byteCount > b.byteCount;
}
}  // namespace

bool parseIconGroup(const std::uint8_t* bytes, std::uint32_t count, IconImage* images,
                    std::uint32_t* imageCount) {
  *imageCount = 0;
  if (bytes == nullptr || count < kHeaderSize || word(bytes + 2) != kTypeIcon) return false;
  const std::uint32_t entries = word(bytes + 4);
  if (kHeaderSize + std::uint64_t{entries} * kEntrySize > count) return false;
  for (std::uint32_t i = 0; i < entries && *imageCount < kMaxIconImages; ++i) {
    const std::uint8_t* entry = bytes + kHeaderSize + i * kEntrySize;
    IconImage& image = images[(*imageCount)++];
    image.width = entry[0] == 0 ? 256 : entry[0];
    image.height = entry[1] == 0 ? 256 : entry[1];
    image.bitCount = word(entry + 6);
    image.byteCount = dword(entry + 8);
    image.resourceId = word(entry + 12);
  }
  return true;
}

std::int32_t chooseIconImage(const IconImage* images, std::uint32_t imageCount, std::int32_t size) {
  std::int32_t exact = -1;
  std::int32_t larger = -1;
  std::int32_t largest = -1;
  for (std::uint32_t i = 0; i < imageCount; ++i) {
    const IconImage& image = images[i];
    const auto index = static_cast<std::int32_t>(i);
    if (image.width == size) {
      if (exact < 0 || better(image, images[exact])) exact = index;
    } else if (image.width > size) {
      if (larger < 0 || image.width < images[larger].width ||
          (image.width == images[larger].width && better(image, images[larger]))) {
        larger = index;
      }
    }
    if (largest < 0 || image.width > images[largest].width ||
        (image.width == images[largest].width && better(image, images[largest]))) {
      largest = index;
    }
  }
  if (exact >= 0) return exact;
  return larger >= 0 ? larger : largest;
}

}  // namespace s::archive::icon
