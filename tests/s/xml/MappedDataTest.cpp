#include <doctest/doctest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "s/xml/MappedData.h"
#include "s/xml/Node.h"

using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;
using s::xml::MappedData;
using s::xml::OpenXmlStore;

namespace {

std::u16string shape(const MappedData& store) {
  s::base::Owned<StrBuffer> out(store.root().serialize(nullptr, false));
  return out->text();
}

namespace fs = std::filesystem;

// A folder of its own under the temporary folder, removed on every path.
struct TempFolder {
  fs::path path = fs::temp_directory_path() / "vexo-xml-store";
  TempFolder() { fs::remove_all(path); }
  ~TempFolder() { fs::remove_all(path); }
  s::base::Owned<StrBuffer> file(const char* name) const {
    auto text = newStr();
    text->fromUtf8((path / name).u8string().c_str(), false);
    return text;
  }
};

}  // namespace

TEST_CASE("xml store: reads of a fresh store give the defaults and create nothing") {
  auto store = OpenXmlStore(u"");
  CHECK(store->getInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 3072) == 3072);
  CHECK(std::u16string(store->getString(u"Language", u"", u"English", nullptr, false)) ==
        u"English");
  CHECK_FALSE(store->getBool(u"MainWindow\\View", u"OperationDone", false));
  CHECK_FALSE(store->hasValue(u"MainWindow\\View", u"X"));
  CHECK_FALSE(store->openSectionForRead(u"MainWindow"));
  CHECK(store->getBinary(u"MainWindow", u"Blob", nullptr) == nullptr);
  CHECK(shape(*store) == u"<savedata></savedata>");
}

TEST_CASE("xml store: the first write creates the whole path, later ones reuse it by any case") {
  auto store = OpenXmlStore(u"");
  store->setInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 3072);
  store->setBool(u"mainwindow/VIEW", u"OperationDone", true);
  store->setInt32(u"MAINWINDOW\\view", u"originaldesktopheap", 512);
  CHECK(shape(*store) ==
        u"<savedata><MainWindow><View OperationDone=\"1\" originaldesktopheap=\"512\"></View>"
        u"</MainWindow></savedata>");
  CHECK(store->getInt32(u"MainWindow\\View", u"OriginalDesktopHeap", 0) == 512);
  CHECK(store->getBool(u"MainWindow\\View", u"OperationDone", false));
  CHECK(store->openSectionForRead(u"\\MainWindow\\\\View\\"));
}

TEST_CASE("xml store: texts, the default value, numbers and bytes read back as written") {
  auto store = OpenXmlStore(u"");
  store->setString(u"", u"Language", u"Portugu\x00eas \"<&>\"");
  store->setString(u"Version", u"", u" 1.05\r\n");
  store->setInt64(u"N", u"big", -9000000000LL);
  store->setUInt8(u"N", u"small", 200);
  store->setDouble(u"N", u"d", 2.5);
  const std::uint8_t blob[] = {0x00, 0x7f, 0xff};
  store->setBinary(u"N", u"blob", blob, 3);
  CHECK(std::u16string(store->getString(u"", u"language", u"", nullptr, false)) ==
        u"Portugu\x00eas \"<&>\"");
  bool expandable = true;
  CHECK(std::u16string(store->getString(u"version", u"", u"0.00", &expandable, true)) ==
        u" 1.05\r\n");
  CHECK_FALSE(expandable);
  CHECK(store->getInt64(u"N", u"big", 0) == -9000000000LL);
  CHECK(store->getUInt8(u"N", u"small", 0) == 200);
  CHECK(store->getDouble(u"N", u"d", 0) == doctest::Approx(2.5));
  s::base::Owned<s::col::_array::ArrayU08> bytes(store->getBinary(u"N", u"blob", nullptr));
  REQUIRE(bytes);
  REQUIRE(bytes->count() == 3);
  CHECK(bytes->at(2) == 0xff);
  CHECK(store->getStringList(u"N", u"big").get() == nullptr);
  store->deleteValue(u"n", u"BIG");
  CHECK(store->getInt64(u"N", u"big", 7) == 7);
}

TEST_CASE("xml store: deleting a section removes its subtree; the empty section empties all") {
  auto store = OpenXmlStore(u"");
  store->setInt32(u"MainWindow\\View", u"X", 1);
  store->setInt32(u"AboutWindow\\View", u"X", 2);
  store->deleteSection(u"mainwindow");
  CHECK(store->getInt32(u"MainWindow\\View", u"X", -1) == -1);
  CHECK(store->getInt32(u"AboutWindow\\View", u"X", -1) == 2);
  store->deleteSection(u"Missing\\Section");
  store->deleteSection(u"");
  CHECK(shape(*store) == u"<savedata></savedata>");
  store->setInt32(u"MainWindow\\View", u"X", 3);
  CHECK(store->getInt32(u"MainWindow\\View", u"X", -1) == 3);
}

TEST_CASE("xml store: a section just deleted reads and writes as a missing one") {
  for (const char16_t* deleted : {u"Gone", u"gone\\", u"Parent"}) {
    CAPTURE(std::u16string(deleted).size());
    auto store = OpenXmlStore(u"");
    store->setInt32(u"Parent\\Gone", u"x", 1);
    store->setInt32(u"Gone", u"x", 1);
    const char16_t* section = deleted[0] == u'P' ? u"Parent\\Gone" : u"Gone";
    REQUIRE(store->getInt32(section, u"x", -1) == 1);
    store->deleteSection(deleted);
    // The deleted element went back to its pool; the next node taken gets it, with values of
    // its own. The store must not be reading or writing through it any more.
    auto stranger = s::xml::newNode();
    stranger->setName(u"stranger");
    stranger->setAttrInt32(u"x", 5);
    CHECK(store->getInt32(section, u"x", -1) == -1);
    CHECK_FALSE(store->hasValue(section, u"x"));
    CHECK(stranger->getInt32(u"x", 0) == 5);
    CHECK(stranger->attributes().count() == 1);
    CHECK(std::u16string(stranger->name()) == u"stranger");
  }
}

TEST_CASE("xml store: a value name the document could not carry is not stored") {
  auto store = OpenXmlStore(u"");
  store->setInt32(u"View", u"two words", 1);
  store->setString(u"View", u"quote\"d", u"x");
  store->setInt32(u"Bad Section", u"x", 1);
  CHECK_FALSE(store->hasValue(u"View", u"two words"));
  CHECK(store->getInt32(u"Bad Section", u"x", -1) == -1);
  store->setInt32(u"View", u"fine", 2);
  CHECK(shape(*store) == u"<savedata><View fine=\"2\"></View></savedata>");
}

TEST_CASE("xml store: auto-save writes the file, which a new store reads back") {
  TempFolder folder;
  auto path = folder.file("savedata\\SaveData.xml");
  {
    auto store = OpenXmlStore(path->text());
    store->setInt32(u"MainWindow\\View", u"Width", 230);
    CHECK_FALSE(fs::exists(folder.path / "savedata"));
    store->setAutoSave(true);
    store->setString(u"", u"Skin", u"Classic LG");
  }
  auto again = OpenXmlStore(path->text());
  CHECK(again->getInt32(u"MainWindow\\View", u"Width", 0) == 230);
  CHECK(std::u16string(again->getString(u"", u"Skin", u"", nullptr, false)) == u"Classic LG");
  CHECK_FALSE(again->autoSave());

  // A file with no element in it gives a fresh root.
  std::ofstream(folder.path / "junk.xml") << "no element here";
  auto junk = OpenXmlStore(folder.file("junk.xml")->text());
  CHECK(shape(*junk) == u"<savedata></savedata>");
}

TEST_CASE("xml store: a previous text given back as the default survives the next read") {
  auto store = OpenXmlStore(u"");
  store->setString(u"", u"Language", u"Portuguese");
  for (const char16_t* section : {u"", u"Missing"}) {
    const char16_t* previous = store->getString(u"", u"Language", u"", nullptr, false);
    CHECK(std::u16string(store->getString(section, u"absent", previous, nullptr, false)) ==
          u"Portuguese");
  }
}
