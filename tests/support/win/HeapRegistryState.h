#pragma once

// The Wine prefix's heap values as a test found them, put back when the test ends, and the
// stock Windows XP `Windows` value that the prefix lacks.

#include <cstdint>

#include "app/HeapEditor.h"
#include "s/reg/RegDir.h"
#include "s/thread/Pool.h"

namespace vexo_test {

constexpr const char16_t* kStockXpWindows =
    u"%SystemRoot%\\system32\\csrss.exe ObjectDirectory=\\Windows SharedSection=1024,3072,512 "
    u"Windows=On SubSystemType=Windows ServerDll=basesrv,1 "
    u"ServerDll=winsrv:UserServerDllInitialization,3 ServerDll=winsrv:ConServerDllInitialization,2 "
    u"ProfileControl=Off MaxRequestThreads=16";

class SavedValue {
 public:
  SavedValue(const char16_t* path, const char16_t* name) : path_(path), name_(name) {
    auto key = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, path);
    keyExisted_ = key->isOpen();
    std::uint32_t size = 0;
    present_ = key->queryValue(name, &type_, &size, -1);
    if (present_) key->getBinary(name, *data_);
  }
  SavedValue(const SavedValue&) = delete;
  SavedValue& operator=(const SavedValue&) = delete;
  ~SavedValue() { restore(); }

  void restore() {
    auto key = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, path_);
    if (present_) {
      (void)key->setValue(name_, type_, data_->items(), data_->count());
    } else if (!keyExisted_) {
      (void)key->deleteTree(true);
    } else {
      (void)key->deleteValue(name_);
    }
  }

 private:
  const char16_t* path_;
  const char16_t* name_;
  bool keyExisted_ = false;
  bool present_ = false;
  std::uint32_t type_ = 0;
  s::base::Owned<s::col::_array::ArrayU08> data_ = s::thread::obtain<s::col::_array::ArrayU08>();
};

// Seeds the stock XP value with no SessionViewSize; puts both back as found on destruction.
class HeapRegistryState {
 public:
  HeapRegistryState() {
    auto subSystems = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath);
    seeded_ = subSystems->setExpandString(app::kWindowsValue, kStockXpWindows) ==
              s::reg::NtStatus::kSuccess;
    auto memory = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kMemoryManagementPath);
    (void)memory->deleteValue(app::kSessionViewSizeValue);
  }
  HeapRegistryState(const HeapRegistryState&) = delete;
  HeapRegistryState& operator=(const HeapRegistryState&) = delete;

  bool seeded() const { return seeded_; }

 private:
  SavedValue windows_{app::kSubSystemsPath, app::kWindowsValue};
  SavedValue sessionViewSize_{app::kMemoryManagementPath, app::kSessionViewSizeValue};
  bool seeded_ = false;
};

}  // namespace vexo_test
