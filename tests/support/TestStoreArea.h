#pragma once

#include <string>

#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"

namespace support {

// A settings-store key of a test's own below the vendor key, removed when the test starts and
// ends (and the vendor key with it when the test made it and left nothing else there).
class TestStoreArea {
 public:
  // area is a name below Software\Vexo such as "VexoTest-appwindow"; the store's base is its
  // SaveData key.
  explicit TestStoreArea(const char16_t* area)
      : area_(std::u16string(kVendor) + u"\\" + area), base_(area_ + u"\\SaveData") {
    vendorExisted_ = key(kVendor)->isOpen();
    wipe();
  }
  ~TestStoreArea() {
    wipe();
    if (vendorExisted_) return;
    auto vendor = key(kVendor);
    if (vendor->isOpen() && vendor->subKeys()->count() == 0 && vendor->valueNames()->count() == 0)
      (void)vendor->deleteTree(true);
  }
  TestStoreArea(const TestStoreArea&) = delete;
  TestStoreArea& operator=(const TestStoreArea&) = delete;

  const char16_t* base() const { return base_.c_str(); }
  // The registry key of a section below the base.
  s::base::Owned<s::reg::win::RegDir> section(const char16_t* section) const {
    return key((base_ + u"\\" + section).c_str());
  }
  // The unnamed value of a section as text; "<none>" when it is missing.
  std::u16string unnamedText(const char16_t* sectionName) const {
    auto dir = section(sectionName);
    if (!dir->isOpen()) return u"<none>";
    return dir->getString(u"", u"<none>", nullptr, false);
  }

 private:
  static constexpr const char16_t* kVendor = u"Software\\Vexo";
  static s::base::Owned<s::reg::win::RegDir> key(const char16_t* path) {
    return s::reg::OpenRegDir(s::reg::kHkeyCurrentUser, path);
  }
  void wipe() const { (void)key(area_.c_str())->deleteTree(true); }

  std::u16string area_;
  std::u16string base_;
  bool vendorExisted_ = false;
};

}  // namespace support
