// Registry keys over the host's in-memory registry, where tests can take write access away.
#include <doctest/doctest.h>

#include <cstdlib>
#include <string>

#include "s/reg/RegDir.h"
#include "s/reg/host/MemoryRegistry.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::reg::NtStatus;
using s::reg::OpenRegDir;
using s::reg::host::MemoryRegistry;
using s::reg::win::RegDir;

namespace {

// A fresh registry for each case; the switches are off again afterwards.
struct FreshRegistry {
  FreshRegistry() { MemoryRegistry::instance().clear(); }
  ~FreshRegistry() { MemoryRegistry::instance().clear(); }
  MemoryRegistry& registry = MemoryRegistry::instance();
};

const char16_t* kKey = u"SOFTWARE\\VexoTest\\reg";

}  // namespace

TEST_CASE("with writes denied every setter reports access denied and nothing changes") {
  FreshRegistry fresh;
  REQUIRE(OpenRegDir(s::reg::kHkeyLocalMachine, kKey)->setInt32(u"kept", 9) == NtStatus::kSuccess);
  std::u16string before = fresh.registry.dump();
  fresh.registry.setDenyWrites(true);

  Owned<RegDir> key = OpenRegDir(s::reg::kHkeyLocalMachine, kKey);
  // Full access is refused, so reads give their defaults, as for a user without rights.
  CHECK_FALSE(key->isOpen());
  CHECK(key->getInt32(u"kept", -1) == -1);
  Owned<s::str::strarray::StrArray> list = s::thread::obtain<s::str::strarray::StrArray>();
  Owned<s::col::_array::ArrayU08> bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  bytes->add(1);
  const NtStatus statuses[] = {
      key->setInt32(u"a", 1),
      key->setUInt8(u"a", 1),
      key->setInt64(u"a", 1),
      key->setDouble(u"a", 1),
      key->setBool(u"a", true),
      key->setString(u"a", u"x"),
      key->setExpandString(u"a", u"x"),
      key->setStringList(u"a", *list),
      key->setBinary(u"a", *bytes),
      key->deleteValue(u"kept"),
      key->deleteTree(true),
      OpenRegDir(s::reg::kHkeyLocalMachine, u"NEW\\KEY")->create(),
  };
  for (NtStatus status : statuses) CHECK(status == NtStatus::kAccessDenied);
  CHECK(fresh.registry.dump() == before);
}

TEST_CASE("a key denied on its own refuses writes while its neighbours accept them") {
  FreshRegistry fresh;
  REQUIRE(OpenRegDir(s::reg::kHkeyLocalMachine, kKey)->create() == NtStatus::kSuccess);
  fresh.registry.setKeyDenied((std::u16string(u"\\Registry\\Machine\\") + kKey).c_str(), true);
  CHECK(OpenRegDir(s::reg::kHkeyLocalMachine, kKey)->setInt32(u"v", 1) == NtStatus::kAccessDenied);
  CHECK(OpenRegDir(s::reg::kHkeyLocalMachine, u"SOFTWARE\\VexoTest\\other")->setInt32(u"v", 1) ==
        NtStatus::kSuccess);
}

TEST_CASE("create of a key whose ancestors cannot be created ends with the failing status") {
  FreshRegistry fresh;
  // The current configuration's root does not exist in a fresh registry and cannot be made.
  CHECK(OpenRegDir(s::reg::kHkeyCurrentConfig, u"a\\b\\c")->create() ==
        NtStatus::kObjectNameNotFound);
  CHECK(OpenRegDir(s::reg::kHkeyCurrentConfig, u"")->create() == NtStatus::kObjectNameNotFound);

  fresh.registry.setDenyWrites(true);
  CHECK(OpenRegDir(s::reg::kHkeyLocalMachine, u"x\\y\\z")->create() == NtStatus::kAccessDenied);
  CHECK(OpenRegDir(s::reg::kHkeyLocalMachine, u"x\\y\\z")->setInt32(u"v", 1) ==
        NtStatus::kAccessDenied);
  CHECK_FALSE(fresh.registry.keyExists(u"\\Registry\\Machine\\x"));
  CHECK(fresh.registry.openHandleCount() == 0);
}

TEST_CASE("every key released leaves no native handle open") {
  FreshRegistry fresh;
  {
    Owned<RegDir> key = OpenRegDir(s::reg::kHkeyLocalMachine, u"h\\a");
    CHECK(key->setInt32(u"v", 1) == NtStatus::kSuccess);
    CHECK(OpenRegDir(s::reg::kHkeyLocalMachine, u"h\\b")->setInt32(u"v", 1) == NtStatus::kSuccess);
    Owned<RegDir> top = OpenRegDir(s::reg::kHkeyLocalMachine, u"h");
    CHECK(top->subKeys()->count() == 2);
    CHECK(top->parent()->isOpen());
    CHECK(top->deleteTree(true) == NtStatus::kSuccess);
  }
  CHECK(fresh.registry.openHandleCount() == 0);
}

TEST_CASE("deleteTree(true) closes the key's handle and its sub-keys' at once") {
  FreshRegistry fresh;
  for (const char16_t* path : {u"h\\a\\deep", u"h\\b"}) {
    REQUIRE(OpenRegDir(s::reg::kHkeyLocalMachine, path)->setInt32(u"v", 1) == NtStatus::kSuccess);
  }
  Owned<RegDir> top = OpenRegDir(s::reg::kHkeyLocalMachine, u"h");
  REQUIRE(top->isOpen());
  CHECK(fresh.registry.openHandleCount() == 1);
  // Counted while the key is still held: releasing it would close a forgotten handle anyway.
  CHECK(top->deleteTree(true) == NtStatus::kSuccess);
  CHECK_FALSE(top->isOpen());
  CHECK(fresh.registry.openHandleCount() == 0);
  CHECK_FALSE(fresh.registry.keyExists(u"\\Registry\\Machine\\h"));
}

TEST_CASE("the in-memory registry answers with the native statuses") {
  FreshRegistry fresh;
  const s::reg::NativeTable& t = MemoryRegistry::table();
  REQUIRE(OpenRegDir(s::reg::kHkeyLocalMachine, u"st\\child")->setString(u"value", u"abcdef") ==
          NtStatus::kSuccess);
  s::reg::NtUnicodeString name{};
  t.initUnicodeString(&name, u"\\Registry\\Machine\\st");
  s::reg::NtObjectAttributes attributes{sizeof attributes, nullptr, &name, 0x40, nullptr, nullptr};
  s::reg::NtHandle key = nullptr;
  REQUIRE(t.openKey(&key, s::reg::kKeyAllAccess, &attributes) == NtStatus::kSuccess);

  unsigned char buffer[64];
  std::uint32_t length = 0;
  s::reg::NtUnicodeString valueName{};
  t.initUnicodeString(&valueName, u"value");
  CHECK(t.queryValueKey(key, &valueName, 1, buffer, 24, &length) == NtStatus::kObjectNameNotFound);
  Owned<RegDir> child = OpenRegDir(s::reg::kHkeyLocalMachine, u"st\\child");
  CHECK(t.enumerateKey(key, 0, 0, buffer, 8, &length) == NtStatus::kBufferTooSmall);
  CHECK(t.enumerateKey(key, 0, 0, buffer, 18, &length) == NtStatus::kBufferOverflow);
  CHECK(length == 16 + 10);
  CHECK(t.enumerateKey(key, 0, 0, buffer, sizeof buffer, &length) == NtStatus::kSuccess);
  CHECK(t.enumerateKey(key, 1, 0, buffer, sizeof buffer, &length) == NtStatus::kNoMoreEntries);
  CHECK(t.enumerateValueKey(key, 0, 0, buffer, sizeof buffer, &length) == NtStatus::kNoMoreEntries);
  CHECK(t.deleteKey(key) == NtStatus::kCannotDelete);
  CHECK(t.close(key) == NtStatus::kSuccess);
  CHECK(t.close(key) == NtStatus::kInvalidHandle);

  t.initUnicodeString(&name, u"\\Registry\\Machine\\st\\child");
  REQUIRE(t.openKey(&key, s::reg::kKeyAllAccess, &attributes) == NtStatus::kSuccess);
  CHECK(t.queryValueKey(key, &valueName, 1, buffer, 8, &length) == NtStatus::kBufferTooSmall);
  CHECK(t.queryValueKey(key, &valueName, 1, buffer, 24, &length) == NtStatus::kBufferOverflow);
  CHECK(length == 20 + 12 + 14);  // fixed part, the name padded to 4 bytes, the data
  CHECK(t.queryValueKey(key, &valueName, 1, buffer, sizeof buffer, &length) == NtStatus::kSuccess);
  CHECK(t.deleteKey(key) == NtStatus::kSuccess);
  CHECK(t.setValueKey(key, &valueName, 0, 1, u"x", 4) == NtStatus::kKeyDeleted);
  CHECK(t.close(key) == NtStatus::kSuccess);

  t.initUnicodeString(&name, u"\\Registry\\Machine\\st\\gone\\deeper");
  CHECK(t.createKey(&key, s::reg::kKeyAllAccess, &attributes, 0, nullptr, 0, nullptr) ==
        NtStatus::kObjectNameNotFound);
  t.initUnicodeString(&name, u"\\Registry\\\\Machine");
  CHECK(t.openKey(&key, s::reg::kKeyQueryValue, &attributes) == NtStatus::kObjectNameInvalid);
}

TEST_CASE("expandable text is expanded on request, and kept when the expansion is too long") {
  FreshRegistry fresh;
  ::setenv("VEXO_REG_TEST", "abc", 1);
  std::string longValue(600, 'x');
  ::setenv("VEXO_REG_LONG", longValue.c_str(), 1);
  Owned<RegDir> key = OpenRegDir(s::reg::kHkeyCurrentUser, u"env");
  CHECK(key->setExpandString(u"short", u"%VEXO_REG_TEST%\\d") == NtStatus::kSuccess);
  CHECK(key->setExpandString(u"long", u"%VEXO_REG_LONG%") == NtStatus::kSuccess);
  CHECK(key->setString(u"plain", u"%VEXO_REG_TEST%") == NtStatus::kSuccess);
  bool expandable = false;
  CHECK(std::u16string(key->getString(u"short", u"", &expandable, true)) == u"abc\\d");
  CHECK(expandable);
  CHECK(std::u16string(key->getString(u"long", u"", nullptr, true)) == u"%VEXO_REG_LONG%");
  CHECK(std::u16string(key->getString(u"plain", u"", &expandable, true)) == u"%VEXO_REG_TEST%");
  CHECK_FALSE(expandable);
}

TEST_CASE("handles answer for their access, for a deleted key and once closed") {
  FreshRegistry fresh;
  const s::reg::NativeTable& t = MemoryRegistry::table();
  REQUIRE(OpenRegDir(s::reg::kHkeyLocalMachine, u"acc\\key")->setInt32(u"v", 1) ==
          NtStatus::kSuccess);
  s::reg::NtUnicodeString name{};
  t.initUnicodeString(&name, u"\\Registry\\Machine\\acc\\key");
  s::reg::NtObjectAttributes attributes{sizeof attributes, nullptr, &name, 0x40, nullptr, nullptr};
  s::reg::NtUnicodeString valueName{};
  t.initUnicodeString(&valueName, u"v");
  s::reg::NtUnicodeString newName{};
  t.initUnicodeString(&newName, u"renamed");
  unsigned char buffer[64];
  std::uint32_t length = 0;

  // Read-only: values can be read, nothing else the handle was not opened for.
  s::reg::NtHandle reader = nullptr;
  REQUIRE(t.openKey(&reader, s::reg::kKeyQueryValue, &attributes) == NtStatus::kSuccess);
  CHECK(t.queryValueKey(reader, &valueName, 1, buffer, sizeof buffer, &length) ==
        NtStatus::kSuccess);
  CHECK(t.setValueKey(reader, &valueName, 0, 4, "\2\0\0\0", 4) == NtStatus::kAccessDenied);
  CHECK(t.deleteValueKey(reader, &valueName) == NtStatus::kAccessDenied);
  CHECK(t.enumerateKey(reader, 0, 0, buffer, sizeof buffer, &length) == NtStatus::kAccessDenied);
  CHECK(t.deleteKey(reader) == NtStatus::kAccessDenied);
  CHECK(OpenRegDir(s::reg::kHkeyLocalMachine, u"acc\\key")->getInt32(u"v", 0) == 1);

  // Deleted through another handle: every operation on the first says so.
  s::reg::NtHandle deleter = nullptr;
  REQUIRE(t.openKey(&deleter, s::reg::kKeyAllAccess, &attributes) == NtStatus::kSuccess);
  REQUIRE(t.deleteKey(deleter) == NtStatus::kSuccess);
  const NtStatus onDeleted[] = {
      t.queryValueKey(reader, &valueName, 1, buffer, sizeof buffer, &length),
      t.enumerateValueKey(reader, 0, 1, buffer, sizeof buffer, &length),
      t.enumerateKey(deleter, 0, 0, buffer, sizeof buffer, &length),
      t.setValueKey(deleter, &valueName, 0, 4, "\2\0\0\0", 4),
      t.deleteValueKey(deleter, &valueName),
      t.deleteKey(deleter),
      t.flushKey(deleter),
      t.renameKey(deleter, &newName),
  };
  for (NtStatus status : onDeleted) CHECK(status == NtStatus::kKeyDeleted);

  // Closed: the handle is unknown to every operation.
  REQUIRE(t.close(reader) == NtStatus::kSuccess);
  const NtStatus onClosed[] = {
      t.queryValueKey(reader, &valueName, 1, buffer, sizeof buffer, &length),
      t.enumerateKey(reader, 0, 0, buffer, sizeof buffer, &length),
      t.setValueKey(reader, &valueName, 0, 4, "\2\0\0\0", 4),
      t.deleteValueKey(reader, &valueName),
      t.deleteKey(reader),
      t.flushKey(reader),
      t.renameKey(reader, &newName),
  };
  for (NtStatus status : onClosed) CHECK(status == NtStatus::kInvalidHandle);
  CHECK(t.close(deleter) == NtStatus::kSuccess);
  CHECK(fresh.registry.openHandleCount() == 0);
}
