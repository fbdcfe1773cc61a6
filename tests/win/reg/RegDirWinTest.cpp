// Registry keys against the real registry of the Wine prefix: what only the native layer can
// show (the user's SID, access lists, the environment, the predefined roots).
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"
#include "support/win/ReadOnlyKey.h"

using s::base::Owned;
using s::reg::NtStatus;
using s::reg::OpenRegDir;
using s::reg::win::RegDir;

namespace {

constexpr const char16_t* kArea = u"Software\\VexoTest\\regwin";
const wchar_t* const kAreaW = L"Software\\VexoTest\\regwin";

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
std::u16string text(const s::str::strbuffer::StrBuffer& buffer) { return buffer.text(); }

struct AreaKey {
  AreaKey() { wipe(); }
  ~AreaKey() { wipe(); }
  static void wipe() { (void)OpenRegDir(s::reg::kHkeyCurrentUser, kArea)->deleteTree(true); }
};

}  // namespace

TEST_CASE("the native layer loads and names the current user's key by the user's SID") {
  AreaKey area;
  const s::reg::NativeLayer& layer = s::reg::nativeLayer();
  REQUIRE(layer.ready);
  REQUIRE(layer.userSidKnown);
  CHECK(std::u16string(layer.userSid) == u"S-1-5-21-0-0-0-1000");

  HKEY written = nullptr;
  REQUIRE(RegCreateKeyExW(HKEY_CURRENT_USER, kAreaW, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &written, nullptr) == ERROR_SUCCESS);
  DWORD value = 0x1234;
  RegSetValueExW(written, L"fromWin32", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4);
  RegCloseKey(written);

  Owned<RegDir> key = OpenRegDir(s::reg::kHkeyCurrentUser, kArea);
  CHECK(text(key->nativeName()) ==
        u"\\Registry\\User\\S-1-5-21-0-0-0-1000\\Software\\VexoTest\\regwin");
  CHECK(key->isOpen());
  CHECK(key->getInt32(u"fromWin32", 0) == 0x1234);
}

TEST_CASE("the predefined roots open and enumerate") {
  Owned<RegDir> machine = OpenRegDir(s::reg::kHkeyLocalMachine, u"");
  REQUIRE(machine->isOpen());
  bool system = false;
  Owned<s::col::_array::ArrayP> keys = machine->subKeysWithPrefix(u"sys");
  for (std::uint32_t i = 0; i < keys->count(); ++i) {
    auto* key = static_cast<RegDir*>(keys->pointerAt(i));
    system = system || key->name()->equalsIgnoreCase(*s::str::strbuffer::newStr(u"SYSTEM"));
    CHECK(key->isOpen());
    CHECK(key->fullName().startsWithIgnoreCase(u"HKEY_LOCAL_MACHINE\\SYS"));
  }
  CHECK(system);
  CHECK(OpenRegDir(s::reg::kHkeyUsers, u"S-1-5-21-0-0-0-1000")->isOpen());
  CHECK(OpenRegDir(s::reg::kHkeyClassesRoot, u"")->isOpen());
}

TEST_CASE("expandable text is expanded through the environment on request") {
  AreaKey area;
  Owned<RegDir> key = OpenRegDir(s::reg::kHkeyCurrentUser, kArea);
  REQUIRE(key->setExpandString(u"path", u"%SystemRoot%\\system32") == NtStatus::kSuccess);
  wchar_t expected[MAX_PATH];
  ExpandEnvironmentStringsW(L"%SystemRoot%\\system32", expected, MAX_PATH);
  bool expandable = false;
  CHECK(std::wstring(wide(key->getString(u"path", u"", &expandable, true))) == expected);
  CHECK(expandable);
  CHECK(std::u16string(key->getString(u"path", u"", nullptr, false)) == u"%SystemRoot%\\system32");
}

TEST_CASE("a key read-only for everyone refuses every write and keeps its data") {
  AreaKey area;
  REQUIRE(OpenRegDir(s::reg::kHkeyCurrentUser, kArea)->setInt32(u"kept", 5) == NtStatus::kSuccess);
  {
    vexo_test::ReadOnlyKey readOnly(HKEY_CURRENT_USER, kAreaW);
    REQUIRE(readOnly.applied());
    Owned<RegDir> key = OpenRegDir(s::reg::kHkeyCurrentUser, kArea);
    // Full access is refused, so the key stays closed and reads give their defaults.
    CHECK_FALSE(key->isOpen());
    CHECK(key->getInt32(u"kept", -1) == -1);
    CHECK(key->setInt32(u"kept", 6) == NtStatus::kAccessDenied);
    CHECK(key->setString(u"new", u"x") == NtStatus::kAccessDenied);
    CHECK(key->deleteValue(u"kept") == NtStatus::kAccessDenied);
    // No check of a new sub-key here: Wine creates one below a read-only key all the same.
  }
  Owned<RegDir> key = OpenRegDir(s::reg::kHkeyCurrentUser, kArea);
  REQUIRE(key->isOpen());
  CHECK(key->getInt32(u"kept", -1) == 5);
  CHECK(key->valueSize(u"new") == 0);
  CHECK(key->valueNames()->count() == 1);
}
