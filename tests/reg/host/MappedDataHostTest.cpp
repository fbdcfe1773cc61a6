// The registry settings store over the host's in-memory registry, where tests can count changes
// and handles and take write access away.
#include <doctest/doctest.h>

#include <string>

#include "s/reg/MappedData.h"
#include "s/reg/host/MemoryRegistry.h"

using s::base::Owned;
using s::reg::MappedData;
using s::reg::OpenRegDir;
using s::reg::OpenRegistryStore;
using s::reg::host::MemoryRegistry;

namespace {

struct FreshRegistry {
  FreshRegistry() { MemoryRegistry::instance().clear(); }
  ~FreshRegistry() { MemoryRegistry::instance().clear(); }
  MemoryRegistry& registry = MemoryRegistry::instance();
};

const char16_t* kBase = u"Software\\Vexo\\Vexo Ombrel\\SaveData";

std::u16string userPath(const char16_t* path) {
  return std::u16string(u"\\Registry\\User\\") + MemoryRegistry::kUserSid + u"\\" + path;
}

}  // namespace

TEST_CASE("registry store: reads change nothing; the first write creates each level once") {
  FreshRegistry fresh;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  CHECK(store->getInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 3072) == 3072);
  CHECK(std::u16string(store->getString(u"Language", u"", u"eng", nullptr, true)) == u"eng");
  store->deleteValue(u"MainWindow\\View", u"X");
  store->deleteSection(u"MainWindow");
  CHECK(fresh.registry.changeCount() == 0);

  store->setInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 3072);
  CHECK(fresh.registry.keyExists(
      userPath(u"Software\\Vexo\\Vexo Ombrel\\SaveData\\MainWindow\\View").c_str()));
  // Software, Vexo, Vexo Ombrel, SaveData, MainWindow, View, and the value.
  CHECK(fresh.registry.changeCount() == 7);
}

TEST_CASE("registry store: with writes denied nothing changes and reads give defaults") {
  FreshRegistry fresh;
  REQUIRE(
      OpenRegDir(s::reg::kHkeyCurrentUser, (std::u16string(kBase) + u"\\MainWindow\\View").c_str())
          ->setInt32(u"X", 5) == s::reg::NtStatus::kSuccess);
  std::u16string before = fresh.registry.dump();
  fresh.registry.setDenyWrites(true);
  {
    Owned<MappedData> store = OpenRegistryStore(kBase);
    CHECK_FALSE(store->openSectionForWrite(u"MainWindow\\View"));
    CHECK_FALSE(store->openSectionForWrite(u"New"));
    store->setInt32(u"MainWindow\\View", u"X", 9);
    store->setString(u"New", u"", u"text");
    store->deleteValue(u"MainWindow\\View", u"X");
    store->deleteSection(u"");
    // Full access is refused, so even existing values read as defaults.
    CHECK(store->getInt32(u"MainWindow\\View", u"X", -1) == -1);
  }
  CHECK(fresh.registry.dump() == before);
}

TEST_CASE("registry store: one section key at a time, and none left after release") {
  FreshRegistry fresh;
  REQUIRE(OpenRegDir(s::reg::kHkeyCurrentUser, kBase)->create() == s::reg::NtStatus::kSuccess);
  const std::uint32_t idle = fresh.registry.openHandleCount();
  {
    Owned<MappedData> store = OpenRegistryStore(kBase);
    for (const char16_t* section : {u"A", u"B\\C", u"a", u"", u"D"})
      store->setInt32(section, u"v", 1);
    // The base key and the one section key.
    CHECK(fresh.registry.openHandleCount() == idle + 2);
    store->deleteSection(u"B");
    CHECK(fresh.registry.openHandleCount() == idle + 1);
  }
  CHECK(fresh.registry.openHandleCount() == idle);
}

TEST_CASE("registry store: a store on the hive's root never deletes the whole hive") {
  FreshRegistry fresh;
  REQUIRE(OpenRegDir(s::reg::kHkeyCurrentUser, u"Software\\Other")->setInt32(u"v", 1) ==
          s::reg::NtStatus::kSuccess);
  Owned<MappedData> store = OpenRegistryStore(u"");
  store->deleteSection(u"");
  store->deleteSection(u"\\");
  CHECK(OpenRegDir(s::reg::kHkeyCurrentUser, u"Software\\Other")->getInt32(u"v", 0) == 1);
  // A named section below the root is still the caller's to delete.
  store->deleteSection(u"Software\\Other");
  CHECK_FALSE(fresh.registry.keyExists(userPath(u"Software\\Other").c_str()));
  CHECK(fresh.registry.keyExists(userPath(u"Software").c_str()));
}
