// Registry keys against the build's own native layer: the in-memory registry on the host, the
// real registry of the Wine prefix on Windows. Everything happens under a key of this area's
// own, removed before and after each case.
#include <doctest/doctest.h>

#include <cstring>
#include <set>
#include <string>

#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::reg::NtStatus;
using s::reg::OpenRegDir;
using s::reg::win::RegDir;

namespace {

constexpr const char16_t* kArea = u"Software\\VexoTest\\reg";

std::u16string text(const s::str::strbuffer::StrBuffer& buffer) { return buffer.text(); }
std::u16string path(const char16_t* below) { return std::u16string(kArea) + u"\\" + below; }

// Removes the area's key when the case begins and when it ends, on every path.
struct AreaKey {
  AreaKey() { wipe(); }
  ~AreaKey() { wipe(); }
  static void wipe() { (void)OpenRegDir(s::reg::kHkeyCurrentUser, kArea)->deleteTree(true); }
  Owned<RegDir> key(const char16_t* below = u"") {
    std::u16string full = *below ? path(below) : std::u16string(kArea);
    return OpenRegDir(s::reg::kHkeyCurrentUser, full.c_str());
  }
};

std::set<std::u16string> keyNames(s::col::_array::ArrayP& keys) {
  std::set<std::u16string> names;
  for (std::uint32_t i = 0; i < keys.count(); ++i) {
    names.insert(text(*static_cast<RegDir*>(keys.pointerAt(i))->name()));
  }
  return names;
}

}  // namespace

TEST_CASE("a path keeps no trailing backslash and names follow root and path") {
  AreaKey area;
  Owned<RegDir> key = OpenRegDir(s::reg::kHkeyLocalMachine, u"A\\B\\\\");
  CHECK(text(key->path()) == u"A\\B");
  CHECK(text(key->fullName()) == u"HKEY_LOCAL_MACHINE\\A\\B");
  CHECK(text(key->nativeName()) == u"\\Registry\\Machine\\A\\B");
  CHECK(text(*key->name()) == u"B");

  key->setRoot(s::reg::kHkeyClassesRoot);
  CHECK(key->setPathAndOpen(u"x") != NtStatus::kSuccess);
  CHECK(text(key->nativeName()) == u"\\Registry\\Machine\\SOFTWARE\\Classes\\x");
  // An unknown root constant is kept, but the names stay those of the previous root.
  key->setRoot(0x80000004u);
  CHECK(key->root() == 0x80000004u);
  CHECK(key->setPathAndOpen(u"x") != NtStatus::kSuccess);
  CHECK(text(key->fullName()) == u"HKEY_CLASSES_ROOT\\x");

  Owned<RegDir> user = area.key();
  CHECK(text(user->nativeName()).rfind(u"\\Registry\\User\\S-1-5-", 0) == 0);
}

TEST_CASE("writing to a missing key creates its missing ancestors, then writes") {
  AreaKey area;
  Owned<RegDir> deep = area.key(u"one\\two\\three");
  REQUIRE_FALSE(deep->isOpen());
  CHECK(deep->setInt32(u"n", 7) == NtStatus::kSuccess);
  CHECK(deep->isOpen());
  CHECK(area.key(u"one\\two")->isOpen());
  CHECK(area.key(u"one\\two\\three")->getInt32(u"n", 0) == 7);
}

TEST_CASE("each setter stores its registry type and size, and reads back") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"types");
  CHECK(key->setUInt8(u"u8", 0xFE) == NtStatus::kSuccess);
  CHECK(key->setInt8(u"s8", -2) == NtStatus::kSuccess);
  CHECK(key->setUInt16(u"u16", 0xFFFE) == NtStatus::kSuccess);
  CHECK(key->setInt16(u"s16", -3) == NtStatus::kSuccess);
  CHECK(key->setInt32(u"s32", -4) == NtStatus::kSuccess);
  CHECK(key->setUInt32(u"u32", 0xDEADBEEFu) == NtStatus::kSuccess);
  CHECK(key->setBool(u"bool", true) == NtStatus::kSuccess);
  CHECK(key->setInt64(u"s64", -5) == NtStatus::kSuccess);
  CHECK(key->setUInt64(u"u64", 0x0102030405060708ull) == NtStatus::kSuccess);
  CHECK(key->setDouble(u"double", 2.5) == NtStatus::kSuccess);
  CHECK(key->setFloat(u"float", 1.5f) == NtStatus::kSuccess);
  CHECK(key->setString(u"sz", u"text") == NtStatus::kSuccess);
  CHECK(key->setExpandString(u"expand", u"%X%") == NtStatus::kSuccess);

  struct Case {
    const char16_t* name;
    std::uint32_t type;
    std::uint32_t size;
  };
  const Case cases[] = {{u"u8", 4, 4},    {u"s8", 4, 4},     {u"u16", 4, 4},   {u"s16", 4, 4},
                        {u"s32", 4, 4},   {u"u32", 4, 4},    {u"bool", 4, 4},  {u"s64", 3, 8},
                        {u"u64", 3, 8},   {u"double", 3, 8}, {u"float", 3, 4}, {u"sz", 1, 10},
                        {u"expand", 2, 8}};
  Owned<RegDir> reader = area.key(u"types");
  for (const Case& c : cases) {
    CAPTURE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
    std::uint32_t type = 99, size = 99;
    CHECK(reader->queryValue(c.name, &type, &size, -1));
    CHECK(type == c.type);
    CHECK(size == c.size);
  }
  // Unsigned narrow values are zero-extended, signed ones sign-extended.
  CHECK(reader->getUInt32(u"u8", 0) == 0xFEu);
  CHECK(reader->getUInt32(u"s8", 0) == 0xFFFFFFFEu);
  CHECK(reader->getUInt32(u"u16", 0) == 0xFFFEu);
  CHECK(reader->getInt8(u"s8", 0) == -2);
  CHECK(reader->getUInt8(u"u8", 0) == 0xFE);
  CHECK(reader->getInt16(u"s16", 0) == -3);
  CHECK(reader->getUInt16(u"u16", 0) == 0xFFFE);
  CHECK(reader->getInt32(u"s32", 0) == -4);
  CHECK(reader->getUInt32(u"u32", 0) == 0xDEADBEEFu);
  CHECK(reader->getBool(u"bool", false));
  CHECK(reader->getInt64(u"s64", 0) == -5);
  CHECK(reader->getUInt64(u"u64", 0) == 0x0102030405060708ull);
  CHECK(reader->getDouble(u"double", 0) == 2.5);
  CHECK(reader->getFloat(u"float", 0) == 1.5f);
  CHECK(std::u16string(reader->getString(u"sz", u"none", nullptr, false)) == u"text");
  bool expandable = false;
  CHECK(std::u16string(reader->getString(u"expand", u"none", &expandable, false)) == u"%X%");
  CHECK(expandable);
  // A typed read looks at the size only; a text read at the type.
  CHECK(reader->getInt32(u"s64", 11) == 11);
  CHECK(reader->getInt64(u"s32", 12) == 12);
  CHECK(reader->getDouble(u"float", 13.0) == 13.0);
  CHECK(std::u16string(reader->getString(u"s32", u"dflt", &expandable, false)) == u"dflt");
  CHECK_FALSE(expandable);
  CHECK(reader->getInt32(u"missing", 14) == 14);
  CHECK(reader->queryValue(u"sz", nullptr, nullptr, 1));
  CHECK_FALSE(reader->queryValue(u"sz", nullptr, nullptr, 2));
}

TEST_CASE("size rules: a 4-byte text reads as an integer, an empty text as empty") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"sizes");
  CHECK(key->setString(u"one", u"A") == NtStatus::kSuccess);  // 'A' and its NUL: 4 bytes
  CHECK(key->getInt32(u"one", -1) == 0x41);
  CHECK(key->setString(u"empty", u"") == NtStatus::kSuccess);
  CHECK(std::u16string(key->getString(u"empty", u"default", nullptr, false)).empty());
  CHECK(key->setValue(u"nothing", s::reg::kRegSz, nullptr, 0) == NtStatus::kSuccess);
  CHECK(std::u16string(key->getString(u"nothing", u"default", nullptr, false)).empty());
  std::uint64_t qword = 5;
  CHECK(key->setValue(u"qword", s::reg::kRegQword, &qword, 8) == NtStatus::kSuccess);
  CHECK(key->getInt32(u"qword", -1) == -1);
  CHECK(key->getUInt64(u"qword", 0) == 5);
  CHECK(key->valueSize(u"qword") == 8);
  CHECK(key->valueSize(u"missing") == 0);
}

TEST_CASE("a value larger than the query buffer is read completely") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"big");
  Owned<s::col::_array::ArrayU08> big = s::thread::obtain<s::col::_array::ArrayU08>();
  const std::uint32_t size = 3 * RegDir::kInitialQueryBufferSize + 123;
  for (std::uint32_t i = 0; i < size; ++i) big->add(static_cast<std::uint8_t>(i * 7 + i / 256));
  REQUIRE(key->setBinary(u"blob", *big) == NtStatus::kSuccess);

  Owned<s::col::_array::ArrayU08> read = area.key(u"big")->getBinary(u"blob");
  REQUIRE(read);
  REQUIRE(read->count() == size);
  CHECK(std::memcmp(read->items(), big->items(), size) == 0);
  CHECK(RegDir::queryBufferSize() > size);
  CHECK_FALSE(area.key(u"big")->getBinary(u"missing"));
}

TEST_CASE("values larger than the query buffer read whole one after the other") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"bigger");
  // Read one after the other: whatever growth the first needs, the second must find
  // the buffer as large as its recorded size (AddressSanitizer watches the native call's writes).
  const std::uint32_t sizes[] = {50 * 1024, 100 * 1024};
  const char16_t* const names[] = {u"first", u"second"};
  for (int n = 0; n < 2; ++n) {
    const std::uint32_t size = sizes[n];
    Owned<s::col::_array::ArrayU08> bytes = s::thread::obtain<s::col::_array::ArrayU08>();
    for (std::uint32_t i = 0; i < size; ++i) bytes->add(static_cast<std::uint8_t>(i * 13 + size));
    REQUIRE(key->setBinary(names[n], *bytes) == NtStatus::kSuccess);
  }
  for (int n = 0; n < 2; ++n) {
    const std::uint32_t size = sizes[n];
    CAPTURE(size);
    Owned<s::col::_array::ArrayU08> read = area.key(u"bigger")->getBinary(names[n]);
    REQUIRE(read);
    REQUIRE(read->count() == size);
    bool same = true;
    for (std::uint32_t i = 0; i < size && same; ++i) {
      same = read->items()[i] == static_cast<std::uint8_t>(i * 13 + size);
    }
    CHECK(same);
    CHECK(RegDir::queryBufferSize() > size);
  }
}

TEST_CASE("the sub-keys of a root key are named without a leading separator") {
  AreaKey area;
  REQUIRE(area.key(u"rooted")->setInt32(u"v", 1) == NtStatus::kSuccess);
  Owned<RegDir> root = OpenRegDir(s::reg::kHkeyCurrentUser, u"");
  REQUIRE(root->isOpen());
  Owned<s::col::_array::ArrayP> keys = root->subKeysWithPrefix(u"software");
  REQUIRE(keys->count() == 1);
  auto* software = static_cast<RegDir*>(keys->pointerAt(0));
  CHECK(text(software->path()).compare(0, 8, u"Software") == 0);
  CHECK(text(software->path()).size() == 8);
  CHECK(text(software->fullName()) == u"HKEY_CURRENT_USER\\" + text(software->path()));
  CHECK(software->isOpen());
  CHECK(software->subKeysWithPrefix(u"VexoTest")->count() == 1);
}

TEST_CASE("string lists keep their texts in order; an empty list reads empty") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"lists");
  Owned<s::str::strarray::StrArray> list = s::thread::obtain<s::str::strarray::StrArray>();
  list->add(s::str::strbuffer::newStr(u"first"));
  list->add(s::str::strbuffer::newStr(u"second one"));
  CHECK(key->setStringList(u"multi", *list) == NtStatus::kSuccess);
  CHECK(key->valueSize(u"multi") == 2 * (5 + 1 + 10 + 1 + 1));
  Owned<s::str::strarray::StrArray> read = key->getStringList(u"multi");
  REQUIRE(read->count() == 2);
  CHECK(text(*read->at(0)) == u"first");
  CHECK(text(*read->at(1)) == u"second one");

  list->clear();
  CHECK(key->setStringList(u"none", *list) == NtStatus::kSuccess);
  CHECK(key->getStringList(u"none")->count() == 0);
  CHECK(key->setString(u"plain", u"abc") == NtStatus::kSuccess);
  CHECK(key->getStringList(u"plain")->count() == 0);
}

TEST_CASE("openByName finds the root by name and falls back to InvalidKey") {
  AreaKey area;
  CHECK(area.key(u"named")->setInt32(u"v", 3) == NtStatus::kSuccess);
  Owned<RegDir> key = s::thread::obtain<RegDir>();

  std::u16string full = u"hkey_current_user\\" + path(u"named");
  CHECK(key->openByName(full.c_str()) == NtStatus::kSuccess);
  CHECK(key->root() == s::reg::kHkeyCurrentUser);
  CHECK(key->getInt32(u"v", 0) == 3);

  (void)key->openByName(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vexo\\Nothing");
  CHECK(key->root() == s::reg::kHkeyLocalMachine);
  CHECK(text(key->path()) == u"SOFTWARE\\Vexo\\Nothing");

  CHECK(key->openByName(u"HKEY_USERS") == NtStatus::kSuccess);
  CHECK(key->root() == s::reg::kHkeyUsers);
  CHECK(text(key->path()).empty());
  CHECK(key->isOpen());

  (void)key->openByName(u"HKEY_NOWHERE\\x");
  CHECK(key->root() == s::reg::kHkeyCurrentUser);
  CHECK(text(key->path()) == u"InvalidKey");
}

TEST_CASE("parent goes up one level and stops at the root") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"p\\q");
  CHECK(text(key->parent()->path()) == path(u"p"));
  Owned<RegDir> top = OpenRegDir(s::reg::kHkeyCurrentUser, u"Software");
  Owned<s::reg::IRegDir> root = top->parent();
  CHECK(text(root->path()).empty());
  CHECK(root->root() == s::reg::kHkeyCurrentUser);
  CHECK(root->isOpen());
}

TEST_CASE("enumerations list sub-keys and value names; deleteTree removes them") {
  AreaKey area;
  for (const char16_t* name : {u"tree\\alpha\\deep", u"tree\\Alps", u"tree\\beta"}) {
    CHECK(area.key(name)->setInt32(u"x", 1) == NtStatus::kSuccess);
  }
  Owned<RegDir> tree = area.key(u"tree");
  CHECK(tree->setString(u"first", u"12") == NtStatus::kSuccess);
  CHECK(tree->setInt32(u"second", 2) == NtStatus::kSuccess);

  Owned<s::col::_array::ArrayP> keys = tree->subKeys();
  CHECK(keyNames(*keys) == std::set<std::u16string>{u"alpha", u"Alps", u"beta"});
  for (std::uint32_t i = 0; i < keys->count(); ++i) {
    CHECK(static_cast<RegDir*>(keys->pointerAt(i))->isOpen());
  }
  Owned<s::col::_array::ArrayP> al = tree->subKeysWithPrefix(u"AL");
  CHECK(keyNames(*al) == std::set<std::u16string>{u"alpha", u"Alps"});

  Owned<s::str::strarray::StrArray> values = tree->valueNames();
  std::set<std::u16string> names;
  for (std::uint32_t i = 0; i < values->count(); ++i) names.insert(text(*values->at(i)));
  CHECK(names == std::set<std::u16string>{u"first", u"second"});

  std::uint32_t valueCount = 0, keyCount = 0;
  // 6 bytes of text and 4 of integer here, 4 bytes in three of the four keys below.
  CHECK(tree->totalSize(true, &valueCount, &keyCount, true) == 6 + 4 + 3 * 4);
  CHECK(valueCount == 5);
  CHECK(keyCount == 4);

  CHECK(tree->deleteTree(false) == NtStatus::kSuccess);
  CHECK(tree->subKeys()->count() == 0);
  CHECK(area.key(u"tree")->isOpen());
  CHECK(area.key(u"tree")->deleteTree(true) == NtStatus::kSuccess);
  CHECK_FALSE(area.key(u"tree")->isOpen());
  CHECK(area.key(u"tree")->deleteTree(true) == NtStatus::kObjectNameNotFound);

  Owned<RegDir> closed = area.key(u"absent");
  CHECK(closed->subKeys()->count() == 0);
  CHECK(closed->valueNames()->count() == 0);
}

TEST_CASE("a key back from the pool is closed at HKEY_LOCAL_MACHINE with an empty path") {
  AreaKey area;
  RegDir* used = nullptr;
  {
    Owned<RegDir> key = area.key(u"pooled");
    CHECK(key->setInt32(u"v", 1) == NtStatus::kSuccess);
    REQUIRE(key->isOpen());
    used = key.get();
  }
  Owned<RegDir> again = s::thread::obtain<RegDir>();
  CHECK(again.get() == used);
  CHECK_FALSE(again->isOpen());
  CHECK(again->root() == s::reg::kHkeyLocalMachine);
  CHECK(text(again->path()).empty());
  CHECK(text(again->fullName()).empty());
  CHECK(again->getInt32(u"v", -1) == -1);
}

TEST_CASE("reopen, deleteValue and rename") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"ops");
  CHECK_FALSE(key->reopen());
  CHECK(key->setInt32(u"v", 5) == NtStatus::kSuccess);
  CHECK(key->reopen());
  CHECK(key->getInt32(u"v", 0) == 5);
  CHECK(key->deleteValue(u"v") == NtStatus::kSuccess);
  CHECK(key->deleteValue(u"v") == NtStatus::kObjectNameNotFound);
  CHECK(key->getInt32(u"v", -1) == -1);
  CHECK(key->flush() == NtStatus::kSuccess);

  CHECK(key->setInt32(u"w", 6) == NtStatus::kSuccess);
  CHECK(key->rename(u"renamed") == NtStatus::kSuccess);
  CHECK_FALSE(key->isOpen());
  CHECK(area.key(u"renamed")->getInt32(u"w", 0) == 6);
  CHECK_FALSE(area.key(u"ops")->isOpen());
}

TEST_CASE("a key opened for reading reads, refuses every change, and an open gives it back") {
  AreaKey area;
  REQUIRE(area.key(u"read")->setInt32(u"v", 5) == NtStatus::kSuccess);
  REQUIRE(area.key(u"read\\below")->create() == NtStatus::kSuccess);
  const std::u16string readPath = path(u"read");
  Owned<RegDir> key = s::thread::obtain<RegDir>();
  REQUIRE(key->openForReading(s::reg::kHkeyCurrentUser, readPath.c_str()) == NtStatus::kSuccess);
  CHECK(key->getInt32(u"v", 0) == 5);
  CHECK(keyNames(*key->subKeys()) == std::set<std::u16string>{u"below"});
  CHECK(key->setInt32(u"v", 6) == NtStatus::kAccessDenied);
  CHECK(key->deleteValue(u"v") == NtStatus::kAccessDenied);
  CHECK(key->deleteTree(true) == NtStatus::kAccessDenied);
  CHECK(key->rename(u"renamed") == NtStatus::kAccessDenied);
  CHECK(key->reopen());
  CHECK(key->setInt32(u"v", 6) == NtStatus::kAccessDenied);
  CHECK(area.key(u"read")->getInt32(u"v", 0) == 5);
  CHECK(area.key(u"read\\below")->isOpen());
  CHECK_FALSE(area.key(u"renamed")->isOpen());

  // A missing key is not created by a write.
  const std::u16string missingPath = path(u"missing");
  CHECK(key->openForReading(s::reg::kHkeyCurrentUser, missingPath.c_str()) ==
        NtStatus::kObjectNameNotFound);
  CHECK(key->setInt32(u"v", 1) == NtStatus::kAccessDenied);
  CHECK_FALSE(area.key(u"missing")->isOpen());

  REQUIRE(key->open(s::reg::kHkeyCurrentUser, readPath.c_str()) == NtStatus::kSuccess);
  CHECK(key->setInt32(u"v", 7) == NtStatus::kSuccess);
  CHECK(area.key(u"read")->getInt32(u"v", 0) == 7);
}

TEST_CASE("a null text is written as the empty text") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"null");
  CHECK(key->setString(u"sz", nullptr) == NtStatus::kSuccess);
  CHECK(key->setExpandString(u"expand", nullptr) == NtStatus::kSuccess);
  for (const char16_t* name : {u"sz", u"expand"}) {
    std::uint32_t size = 99;
    CHECK(key->queryValue(name, nullptr, &size, -1));
    CHECK(size == 2);
    CHECK(std::u16string(key->getString(name, u"dflt", nullptr, false)).empty());
  }
}

TEST_CASE("a text value ends at its own length whatever its byte count") {
  AreaKey area;
  Owned<RegDir> key = area.key(u"odd");
  // 70 characters, then whatever the stored bytes say: a stray byte, nothing, a terminator.
  const std::u16string seventy(70, u'a');
  std::u16string stored = seventy + u"\u4141";
  struct Case {
    const char* what;
    std::uint32_t type;
    std::uint32_t size;
    std::u16string text;
  };
  const Case cases[] = {
      {"REG_SZ, 141 bytes", s::reg::kRegSz, 141, seventy},
      {"REG_EXPAND_SZ, 141 bytes", s::reg::kRegExpandSz, 141, seventy},
      {"REG_SZ, 140 bytes, no terminator", s::reg::kRegSz, 140, seventy},
      {"REG_SZ, 142 bytes", s::reg::kRegSz, 142, seventy + u"\u4141"},
      {"REG_SZ, one stray byte", s::reg::kRegSz, 1, u""},
      {"REG_EXPAND_SZ, 3 bytes", s::reg::kRegExpandSz, 3, u"a"},
  };
  // Non-zero high bytes, so that what a text read finds beyond the value never looks like an
  // end by chance.
  const std::u16string longer(300, u'\u3042');
  REQUIRE(key->setString(u"longer", longer.c_str()) == NtStatus::kSuccess);
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    REQUIRE(key->setValue(u"v", c.type, stored.data(), c.size) == NtStatus::kSuccess);
    // Once on a fresh key, once on a key whose buffer still holds a longer text.
    Owned<RegDir> fresh = area.key(u"odd");
    CHECK(std::u16string(fresh->getString(u"v", u"dflt", nullptr, false)) == c.text);
    CHECK(std::u16string(key->getString(u"longer", u"", nullptr, false)) == longer);
    CHECK(std::u16string(key->getString(u"v", u"dflt", nullptr, false)) == c.text);
    if (c.type == s::reg::kRegExpandSz) {
      CHECK(std::u16string(key->getString(u"v", u"dflt", nullptr, true)) == c.text);
    }
    // The bytes themselves are kept as stored.
    Owned<s::col::_array::ArrayU08> bytes = key->getBinary(u"v");
    REQUIRE(bytes);
    REQUIRE(bytes->count() == c.size);
    CHECK(std::memcmp(bytes->items(), stored.data(), c.size) == 0);
  }
}
