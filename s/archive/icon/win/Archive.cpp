#include "s/archive/icon/Archive.h"

#include <windows.h>

#include "s/archive/dll/IArchive.h"
#include "s/archive/icon/IconGroup.h"
#include "s/col/_array/NumberArray.h"
#include "s/thread/Pool.h"

namespace s::archive::icon {

namespace {
constexpr std::uint32_t kTypeIcon = 3;        // RT_ICON
constexpr std::uint32_t kTypeIconGroup = 14;  // RT_GROUP_ICON
constexpr DWORD kIconFormatVersion = 0x00030000;

s::base::Owned<s::col::_array::ArrayU08> readResource(const s::archive::dll::IArchive& resources,
                                                      std::uint32_t typeId, std::uint32_t id) {
  std::uint32_t index = 0;
  if (!resources.findByTypeIdAndId(typeId, id, &index)) return nullptr;
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  if (!resources.read(index, *bytes) || bytes->count() == 0) return nullptr;
  return bytes;
}
}  // namespace

Archive::~Archive() { reset(); }

s::base::IObject* Archive::newInstance() const { return s::thread::takeFromPool<Archive>(); }

void Archive::release() { s::thread::giveBackToPool(this); }

void Archive::reset() {
  for (void*& handle : icons_) {
    if (handle != nullptr) DestroyIcon(static_cast<HICON>(handle));
    handle = nullptr;
  }
}

bool Archive::load(const s::archive::dll::IArchive& resources, std::uint32_t groupId) {
  reset();
  auto group = readResource(resources, kTypeIconGroup, groupId);
  if (!group) return false;
  IconImage images[kMaxIconImages];
  std::uint32_t imageCount = 0;
  if (!parseIconGroup(group->items(), group->count(), images, &imageCount)) return false;
  bool any = false;
  for (std::uint32_t i = 0; i < kSizeCount; ++i) {
    const std::int32_t chosen = chooseIconImage(images, imageCount, kSizes[i]);
    if (chosen < 0) continue;
    auto image = readResource(resources, kTypeIcon, images[chosen].resourceId);
    if (!image) continue;
    icons_[i] = CreateIconFromResourceEx(image->items(), image->count(), TRUE, kIconFormatVersion,
                                         kSizes[i], kSizes[i], LR_DEFAULTCOLOR);
    any = any || icons_[i] != nullptr;
  }
  return any;
}

void* Archive::icon(std::int32_t size) const {
  for (std::uint32_t i = 0; i < kSizeCount; ++i) {
    if (kSizes[i] == size) return icons_[i];
  }
  return nullptr;
}

}  // namespace s::archive::icon
