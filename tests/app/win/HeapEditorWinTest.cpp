// The heap change against the Wine prefix's real registry (set to Windows XP), read back
// through the Win32 registry functions rather than through the key layer that wrote it.
#include <doctest/doctest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "app/HeapEditor.h"
#include "s/system/os/StaticObj.h"
#include "support/win/HeapRegistryState.h"
#include "support/win/ReadOnlyKey.h"

using app::HeapChangeResult;

namespace {

const wchar_t* const kSubSystemsW =
    L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
const wchar_t* const kMemoryW =
    L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

struct Win32Value {
  bool present = false;
  DWORD type = 0;
  std::wstring bytes;  // the data as UTF-16 units, NUL included
  DWORD dword = 0;
};

Win32Value readWin32(const wchar_t* path, const wchar_t* name) {
  Win32Value value;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return value;
  }
  wchar_t data[2048] = {};
  DWORD size = sizeof data;
  value.present = RegQueryValueExW(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data),
                                   &size) == ERROR_SUCCESS;
  if (value.present) {
    value.bytes.assign(data, size / 2);
    if (size == 4) std::memcpy(&value.dword, data, 4);
  }
  RegCloseKey(key);
  return value;
}

std::wstring stockWith(const wchar_t* clause) {
  std::wstring value(reinterpret_cast<const wchar_t*>(vexo_test::kStockXpWindows));
  value.replace(value.find(L"SharedSection=1024,3072,512"), 27, clause);
  return value + L'\0';
}

}  // namespace

TEST_CASE("the worked example on Windows XP: change, then undo") {
  vexo_test::HeapRegistryState state;
  REQUIRE(state.seeded());
  REQUIRE(s::system::os::win::IsSupportedOs());

  std::int32_t svs = 48, heap = 3072;
  app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
  CHECK(outcome.changed());
  CHECK(heap == 3072);
  CHECK(svs == 48);
  Win32Value windows = readWin32(kSubSystemsW, L"Windows");
  CHECK(windows.type == REG_EXPAND_SZ);
  CHECK(windows.bytes == stockWith(L"SharedSection=1024,9216,512"));
  Win32Value sessionViewSize = readWin32(kMemoryW, L"SessionViewSize");
  CHECK(sessionViewSize.type == REG_DWORD);
  CHECK(sessionViewSize.dword == 96);

  std::int32_t scratch1 = 0, scratch2 = 0;
  CHECK(app::SetDesktopHeap(48, 3072, scratch1, scratch2).changed());
  CHECK(readWin32(kSubSystemsW, L"Windows").bytes == stockWith(L"SharedSection=1024,3072,512"));
  sessionViewSize = readWin32(kMemoryW, L"SessionViewSize");
  CHECK(sessionViewSize.present);
  CHECK(sessionViewSize.dword == 48);
}

TEST_CASE("without administrator rights nothing changes and the outcome says so") {
  vexo_test::HeapRegistryState state;
  REQUIRE(state.seeded());
  SUBCASE("Memory Management read-only: the SessionViewSize write fails") {
    vexo_test::ReadOnlyKey readOnly(HKEY_LOCAL_MACHINE, kMemoryW);
    REQUIRE(readOnly.applied());
    std::int32_t svs = -1, heap = -1;
    app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
    CHECK(outcome.result == HeapChangeResult::kWriteFailed);
    CHECK(std::u16string(outcome.failedValue) == u"SessionViewSize");
    CHECK(outcome.status == s::reg::NtStatus::kAccessDenied);
    CHECK(outcome.restored);
    CHECK(heap == 3072);
  }
  SUBCASE("SubSystems read-only: the key does not open for writing, a failed write") {
    vexo_test::ReadOnlyKey readOnly(HKEY_LOCAL_MACHINE, kSubSystemsW);
    REQUIRE(readOnly.applied());
    std::int32_t svs = -1, heap = -1;
    app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
    CHECK(outcome.result == HeapChangeResult::kWriteFailed);
    CHECK(outcome.status == s::reg::NtStatus::kAccessDenied);
    CHECK(heap == -1);
  }
  CHECK(readWin32(kSubSystemsW, L"Windows").bytes == stockWith(L"SharedSection=1024,3072,512"));
  CHECK_FALSE(readWin32(kMemoryW, L"SessionViewSize").present);
}

TEST_CASE("a Windows value holding more than its text and terminator is left as it is") {
  const std::wstring stock = stockWith(L"SharedSection=1024,3072,512");  // with its NUL
  struct Case {
    const char* what;
    std::wstring data;
    DWORD size;
  };
  const std::wstring hidden = stock + L"ServerDll=hidden,4" + L'\0';
  const Case cases[] = {
      {"data after the terminator", hidden, static_cast<DWORD>(2 * hidden.size())},
      {"a stray byte after the terminator", stock + L'A', static_cast<DWORD>(2 * stock.size() + 1)},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    vexo_test::HeapRegistryState state;
    REQUIRE(state.seeded());
    HKEY key = nullptr;
    REQUIRE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSubSystemsW, 0, KEY_SET_VALUE, &key) ==
            ERROR_SUCCESS);
    LONG written = RegSetValueExW(key, L"Windows", 0, REG_EXPAND_SZ,
                                  reinterpret_cast<const BYTE*>(c.data.data()), c.size);
    RegCloseKey(key);
    REQUIRE(written == ERROR_SUCCESS);

    std::int32_t svs = -1, heap = -1;
    CHECK(app::SetDesktopHeap(96, 9216, svs, heap).result ==
          HeapChangeResult::kWindowsValueHasExtraData);
    CHECK(heap == -1);
    CHECK(svs == -1);
    Win32Value windows = readWin32(kSubSystemsW, L"Windows");
    CHECK(windows.type == REG_EXPAND_SZ);
    CHECK(windows.bytes == c.data.substr(0, c.size / 2));
    CHECK_FALSE(readWin32(kMemoryW, L"SessionViewSize").present);
  }
}
