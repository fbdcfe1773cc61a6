// The registry settings store against the build's own registry: the in-memory one on the host,
// the Wine prefix's on Windows. Everything lives under a key of this area's own below the
// program's vendor key, removed before and after each case (and the vendor key with it when
// the case made it).
#include <doctest/doctest.h>

#include <cstring>
#include <set>
#include <string>

#include "s/reg/MappedData.h"
#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::reg::MappedData;
using s::reg::OpenRegDir;
using s::reg::OpenRegistryStore;
using s::reg::win::RegDir;

namespace {

constexpr const char16_t* kVendor = u"Software\\Vexo";
constexpr const char16_t* kArea = u"Software\\Vexo\\VexoTest-store";
constexpr const char16_t* kBase = u"Software\\Vexo\\VexoTest-store\\SaveData";

Owned<RegDir> userKey(const std::u16string& path) {
  return OpenRegDir(s::reg::kHkeyCurrentUser, path.c_str());
}

std::u16string below(const char16_t* section) { return std::u16string(kBase) + u"\\" + section; }

std::set<std::u16string> subKeyNames(const std::u16string& path) {
  std::set<std::u16string> names;
  Owned<s::col::_array::ArrayP> keys = userKey(path)->subKeys();
  for (std::uint32_t i = 0; i < keys->count(); ++i) {
    names.insert(static_cast<RegDir*>(keys->pointerAt(i))->name()->text());
  }
  return names;
}

// Removes the area on every path; the vendor key too when it was not there before and nothing
// else has been put under it meanwhile.
struct StoreArea {
  bool vendorExisted = userKey(kVendor)->isOpen();
  StoreArea() { wipe(); }
  ~StoreArea() {
    wipe();
    if (vendorExisted) return;
    Owned<RegDir> vendor = userKey(kVendor);
    if (vendor->isOpen() && vendor->subKeys()->count() == 0 && vendor->valueNames()->count() == 0)
      (void)vendor->deleteTree(true);
  }
  static void wipe() { (void)userKey(kArea)->deleteTree(true); }
};

std::u16string text(const char16_t* value) { return value != nullptr ? value : u"<null>"; }

}  // namespace

TEST_CASE("registry store: reads of a fresh profile give the defaults and create nothing") {
  StoreArea area;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  CHECK(std::u16string(store->className()) == u"s_reg_MappedData");
  CHECK(store->getInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 3072) == 3072);
  CHECK(store->getInt32(u"MainWindow\\View", u"OriginalSessionViewSize", 48) == 48);
  CHECK_FALSE(store->getBool(u"MainWindow\\View", u"OperationDone", false));
  CHECK(text(store->getString(u"Version", u"", u"0.00", nullptr, false)) == u"0.00");
  CHECK(text(store->getString(u"", u"Language", u"English", nullptr, false)) == u"English");
  CHECK(store->getDouble(u"N", u"d", 0.25) == 0.25);
  CHECK_FALSE(store->hasValue(u"MainWindow\\View", u"X"));
  CHECK(store->getBinary(u"MainWindow", u"Blob", nullptr) == nullptr);
  Owned<s::col::_array::ArrayU08> bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  bytes->add(7);
  CHECK(store->getBinary(u"MainWindow", u"Blob", bytes.get()) == nullptr);
  CHECK(bytes->count() == 1);
  store->deleteValue(u"MainWindow\\View", u"X");
  store->deleteSection(u"MainWindow");
  // Asking twice must not turn a missing section into a present one.
  CHECK_FALSE(store->openSectionForRead(u"MainWindow\\View"));
  CHECK_FALSE(store->openSectionForRead(u"MainWindow\\View"));
  CHECK_FALSE(store->openSectionForRead(u""));
  CHECK_FALSE(userKey(kArea)->isOpen());
}

TEST_CASE("registry store: the first write creates the whole path; any letter case reuses it") {
  StoreArea area;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  store->setInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 3072);
  CHECK(userKey(below(u"MainWindow\\View"))->getInt32(u"OriginalDesktopHeap", 0) == 3072);

  store->setBool(u"mainwindow\\VIEW", u"OperationDone", true);
  store->setInt32(u"MAINWINDOW\\view", u"originaldesktopheap", 9216);
  CHECK(store->getInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 0) == 9216);
  CHECK(store->getBool(u"mainWindow\\view", u"OperationDone", false));
  CHECK(store->openSectionForRead(u"MAINWINDOW\\VIEW"));
  CHECK(subKeyNames(kBase) == std::set<std::u16string>{u"MainWindow"});
  CHECK(subKeyNames(below(u"MainWindow")) == std::set<std::u16string>{u"View"});
  CHECK(userKey(below(u"MainWindow\\View"))->valueNames()->count() == 2);

  // Stray separators name the same section instead of a name the registry refuses.
  store->setInt32(u"\\MainWindow\\\\View\\", u"Width", 230);
  CHECK(userKey(below(u"MainWindow\\View"))->getInt32(u"Width", 0) == 230);
  CHECK(subKeyNames(below(u"MainWindow")) == std::set<std::u16string>{u"View"});
}

TEST_CASE("registry store: each setter writes its registry type, and the value reads back") {
  StoreArea area;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  const std::uint8_t blob[] = {0x00, 0x7F, 0xFF};
  store->setUInt8(u"T", u"u8", 0xFE);
  store->setInt8(u"T", u"s8", -2);
  store->setUInt16(u"T", u"u16", 0xFFFE);
  store->setInt16(u"T", u"s16", -3);
  store->setUInt32(u"T", u"u32", 0xDEADBEEFu);
  store->setInt32(u"T", u"s32", -4);
  store->setBool(u"T", u"bool", true);
  store->setUInt64(u"T", u"u64", 0x0102030405060708ull);
  store->setInt64(u"T", u"s64", -9000000000LL);
  store->setFloat(u"T", u"float", 1.5f);
  store->setDouble(u"T", u"double", 2.5);
  store->setString(u"T", u"sz", u"Portugu\x00eas");
  store->setExpandString(u"T", u"expand", u"%SystemRoot%\\x");
  store->setBinary(u"T", u"bin", blob, 3);
  store->setString(u"T", u"", u"default value");
  store->setString(u"T", u"null", nullptr);

  struct Case {
    const char16_t* name;
    std::uint32_t type;
    std::uint32_t size;
  };
  const Case cases[] = {
      {u"u8", s::reg::kRegDword, 4},
      {u"s8", s::reg::kRegDword, 4},
      {u"u16", s::reg::kRegDword, 4},
      {u"s16", s::reg::kRegDword, 4},
      {u"u32", s::reg::kRegDword, 4},
      {u"s32", s::reg::kRegDword, 4},
      {u"bool", s::reg::kRegDword, 4},
      {u"u64", s::reg::kRegBinary, 8},
      {u"s64", s::reg::kRegBinary, 8},
      {u"float", s::reg::kRegBinary, 4},
      {u"double", s::reg::kRegBinary, 8},
      {u"sz", s::reg::kRegSz, 20},
      {u"expand", s::reg::kRegExpandSz, 30},
      {u"bin", s::reg::kRegBinary, 3},
      {u"", s::reg::kRegSz, 28},
      {u"null", s::reg::kRegSz, 2},
  };
  Owned<RegDir> key = userKey(below(u"T"));
  for (const Case& c : cases) {
    CAPTURE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
    std::uint32_t type = 99, size = 99;
    CHECK(key->queryValue(c.name, &type, &size, -1));
    CHECK(type == c.type);
    CHECK(size == c.size);
  }

  CHECK(store->getUInt8(u"T", u"u8", 0) == 0xFE);
  CHECK(store->getInt8(u"T", u"s8", 0) == -2);
  CHECK(store->getUInt16(u"T", u"u16", 0) == 0xFFFE);
  CHECK(store->getInt16(u"T", u"s16", 0) == -3);
  CHECK(store->getUInt32(u"T", u"u32", 0) == 0xDEADBEEFu);
  CHECK(store->getInt32(u"T", u"s32", 0) == -4);
  CHECK(store->getBool(u"T", u"bool", false));
  CHECK(store->getUInt64(u"T", u"u64", 0) == 0x0102030405060708ull);
  CHECK(store->getInt64(u"T", u"s64", 0) == -9000000000LL);
  CHECK(store->getFloat(u"T", u"float", 0) == 1.5f);
  CHECK(store->getDouble(u"T", u"double", 0) == 2.5);
  // Reads check sizes, not types: a 4-byte float reads as a 32-bit number, not as a 64-bit one.
  CHECK(store->getInt64(u"T", u"float", 5) == 5);
  CHECK(store->getInt32(u"T", u"double", 6) == 6);
  CHECK(store->hasValue(u"T", u"bin"));
  CHECK_FALSE(store->hasValue(u"T", u"missing"));

  bool expandable = false;
  CHECK(text(store->getString(u"T", u"sz", u"", &expandable, false)) == u"Portugu\x00eas");
  CHECK_FALSE(expandable);
  CHECK(text(store->getString(u"T", u"expand", u"", &expandable, false)) == u"%SystemRoot%\\x");
  CHECK(expandable);
  CHECK(text(store->getString(u"T", u"", u"", nullptr, false)) == u"default value");
  CHECK(text(store->getString(u"T", u"null", u"dflt", nullptr, false)).empty());
  // A number is no text.
  CHECK(text(store->getString(u"T", u"s32", u"dflt", nullptr, false)) == u"dflt");

  s::base::Owned<s::col::_array::ArrayU08> fresh(store->getBinary(u"T", u"bin", nullptr));
  REQUIRE(fresh);
  REQUIRE(fresh->count() == 3);
  CHECK(std::memcmp(fresh->items(), blob, 3) == 0);
  Owned<s::col::_array::ArrayU08> given = s::thread::obtain<s::col::_array::ArrayU08>();
  given->add(9);
  given->add(9);
  given->add(9);
  given->add(9);
  CHECK(store->getBinary(u"T", u"bin", given.get()) == given.get());
  CHECK(given->count() == 3);
  CHECK(store->getBinary(u"T", u"missing", given.get()) == nullptr);

  store->deleteValue(u"t", u"u8");
  CHECK_FALSE(store->hasValue(u"T", u"u8"));
  CHECK(store->getUInt8(u"T", u"u8", 3) == 3);
}

TEST_CASE("registry store: a text read stays valid across a write to another section") {
  StoreArea area;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  store->setString(u"", u"Language", u"Portuguese");
  // The argument is read from section "" and written while "MainWindow\Language" is selected.
  store->setString(u"MainWindow\\Language", u"",
                   store->getString(u"", u"Language", u"", nullptr, false));
  CHECK(text(store->getString(u"MainWindow\\Language", u"", u"", nullptr, false)) == u"Portuguese");
  // A previous result given back as the default survives too.
  const char16_t* previous = store->getString(u"", u"Language", u"", nullptr, false);
  CHECK(text(store->getString(u"Other", u"x", previous, nullptr, false)) == u"Portuguese");
}

TEST_CASE("registry store: string lists are not kept") {
  StoreArea area;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  Owned<s::str::strarray::StrArray> list = s::thread::obtain<s::str::strarray::StrArray>();
  list->add(s::str::strbuffer::newStr(u"a"));
  REQUIRE(userKey(below(u"L"))->setStringList(u"multi", *list) == s::reg::NtStatus::kSuccess);
  CHECK(store->hasValue(u"L", u"multi"));
  CHECK_FALSE(store->getStringList(u"L", u"multi"));
  store->setAutoSave(true);
  store->setStringList(u"L", u"written", *list);
  CHECK_FALSE(store->hasValue(u"L", u"written"));
}

TEST_CASE("registry store: deleteSection removes a section and what is below it") {
  StoreArea area;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  store->setInt32(u"MainWindow\\View", u"X", 1);
  store->setInt32(u"MainWindow\\View\\Deeper", u"Y", 2);
  store->setInt32(u"AboutWindow\\View", u"X", 3);
  store->setString(u"", u"Language", u"English");

  SUBCASE("one section, while a key below it is held") {
    CHECK(store->getInt32(u"MainWindow\\View\\Deeper", u"Y", 0) == 2);
    store->deleteSection(u"mainwindow");
    CHECK_FALSE(userKey(below(u"MainWindow"))->isOpen());
    CHECK(store->getInt32(u"MainWindow\\View\\Deeper", u"Y", -1) == -1);
    CHECK(store->getInt32(u"AboutWindow\\View", u"X", 0) == 3);
    CHECK(text(store->getString(u"", u"Language", u"", nullptr, false)) == u"English");
    // The section it selected is gone; a write makes it again.
    CHECK_FALSE(store->openSectionForRead(u"MainWindow"));
    store->setInt32(u"MainWindow", u"Z", 4);
    CHECK(userKey(below(u"MainWindow"))->getInt32(u"Z", 0) == 4);
  }
  SUBCASE("the empty section is the whole store, not its parent") {
    store->deleteSection(u"");
    CHECK_FALSE(userKey(kBase)->isOpen());
    CHECK(userKey(kArea)->isOpen());
    CHECK(text(store->getString(u"", u"Language", u"none", nullptr, false)) == u"none");
    store->setInt32(u"", u"Back", 5);
    CHECK(userKey(kBase)->getInt32(u"Back", 0) == 5);
  }
}

TEST_CASE("registry store: a section deleted behind the store's back is written again") {
  StoreArea area;
  Owned<MappedData> store = OpenRegistryStore(kBase);
  store->setInt32(u"MainWindow\\View", u"X", 1);
  {
    Owned<MappedData> other = OpenRegistryStore(kBase);
    other->deleteSection(u"");
  }
  CHECK(store->getInt32(u"MainWindow\\View", u"X", -1) == -1);
  store->setInt32(u"MainWindow\\View", u"X", 2);
  CHECK(userKey(below(u"MainWindow\\View"))->getInt32(u"X", 0) == 2);

  // And a section made by someone else is found by a store that looked before.
  CHECK_FALSE(store->openSectionForRead(u"Later"));
  REQUIRE(userKey(below(u"Later"))->setInt32(u"v", 7) == s::reg::NtStatus::kSuccess);
  CHECK(store->getInt32(u"Later", u"v", 0) == 7);
}

TEST_CASE("registry store: a store given back to its pool comes out detached and quiet") {
  StoreArea area;
  {
    Owned<MappedData> store = OpenRegistryStore(kBase);
    store->setAutoSave(true);
    store->setInt32(u"A", u"v", 1);
  }
  Owned<MappedData> again = s::thread::obtain<MappedData>();
  CHECK_FALSE(again->isAttached());
  CHECK_FALSE(again->autoSave());
  // Unattached, it reads defaults and writes nothing anywhere.
  CHECK(again->getInt32(u"A", u"v", -1) == -1);
  CHECK_FALSE(again->openSectionForWrite(u"A"));
  again->setInt32(u"A", u"w", 2);
  CHECK(userKey(below(u"A"))->getInt32(u"w", -1) == -1);

  again->attach(kBase);
  CHECK(again->getInt32(u"A", u"v", -1) == 1);
}
