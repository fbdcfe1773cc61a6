#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::archive::dll {
class IArchive;
}

namespace s::archive::icon {

// The program icon rendered at the sizes windows ask for: 16 x 16 (small icon), 32 x 32 (big
// icon) and 64 x 64, each chosen from one icon group of a module's resources. Owns its icon
// handles. Windows build only.
class Archive final : public s::base::IObject, public s::thread::IPoolable {
 public:
  static constexpr std::int32_t kSizes[] = {16, 32, 64};
  static constexpr std::uint32_t kSizeCount = 3;

  Archive() = default;
  ~Archive() override;
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  const char16_t* className() const override { return u"s_archive_icon_Archive"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Destroys every icon.
  void reset() override;

  // Renders the group (icon group resource groupId, type 14) at every size; false when the
  // group is missing or no size could be made. Icons loaded before are destroyed first.
  bool load(const s::archive::dll::IArchive& resources, std::uint32_t groupId);
  // The native icon (HICON) for one of kSizes; null for any other size or when it is missing.
  void* icon(std::int32_t size) const;

 private:
  void* icons_[kSizeCount] = {};
};

}  // namespace s::archive::icon
