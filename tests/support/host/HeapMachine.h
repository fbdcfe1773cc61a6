#pragma once

// A host machine for the heap change: the in-memory registry plays the local machine and the
// platform stand-in plays the operating system and its memory.

#include <doctest/doctest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/HeapEditor.h"
#include "s/reg/RegDir.h"
#include "s/reg/host/MemoryRegistry.h"
#include "s/system/os/host/HostPlatform.h"

namespace vexo_test {

constexpr const char16_t* kStockXp =
    u"%SystemRoot%\\system32\\csrss.exe ObjectDirectory=\\Windows SharedSection=1024,3072,512 "
    u"Windows=On SubSystemType=Windows ServerDll=basesrv,1 "
    u"ServerDll=winsrv:UserServerDllInitialization,3 ServerDll=winsrv:ConServerDllInitialization,2 "
    u"ProfileControl=Off MaxRequestThreads=16";
constexpr const char16_t* kSubSystems =
    u"\\Registry\\Machine\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
constexpr const char16_t* kMemory =
    u"\\Registry\\Machine\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory "
    u"Management";

// A machine that passes both gates, with the stock Windows XP `Windows` value and no
// SessionViewSize; everything back to defaults afterwards.
struct Machine {
  Machine() {
    registry.clear();
    s::system::os::host::resetPlatform();
    seedWindows(s::reg::kRegExpandSz, kStockXp);
    REQUIRE(s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kMemoryManagementPath)->create() ==
            s::reg::NtStatus::kSuccess);
  }
  ~Machine() {
    registry.clear();
    s::system::os::host::resetPlatform();
  }
  void seedWindows(std::uint32_t type, const char16_t* text) {
    auto key = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath);
    auto units = static_cast<std::uint32_t>(std::char_traits<char16_t>::length(text));
    REQUIRE(key->setValue(u"Windows", type, text, 2 * units + 2) == s::reg::NtStatus::kSuccess);
  }
  void seedSessionViewSize(std::uint32_t type, const void* data, std::uint32_t size) {
    auto key = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kMemoryManagementPath);
    REQUIRE(key->setValue(u"SessionViewSize", type, data, size) == s::reg::NtStatus::kSuccess);
  }
  std::u16string windows(std::uint32_t* type = nullptr) {
    std::vector<std::uint8_t> data;
    if (!registry.readValue(kSubSystems, u"Windows", type, &data)) return u"<absent>";
    return std::u16string(reinterpret_cast<const char16_t*>(data.data()), data.size() / 2);
  }
  bool sessionViewSize(std::uint32_t* type, std::vector<std::uint8_t>* data) {
    return registry.readValue(kMemory, u"SessionViewSize", type, data);
  }
  s::reg::host::MemoryRegistry& registry = s::reg::host::MemoryRegistry::instance();
};

}  // namespace vexo_test
