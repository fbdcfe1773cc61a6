#include <doctest/doctest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>

#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"
#include "support/XmlRecords.h"

using s::str::strbuffer::newStr;
using s::str::strbuffer::newStr2;
using s::str::strbuffer::StrBuffer;
using s::xml::newNode;
using s::xml::Node;

namespace {

std::u16string textOf(const Node& node, const char16_t* name, const char16_t* fallback = u"?") {
  auto buffer = newStr();
  node.getText(*buffer, name, fallback, false);
  return buffer->text();
}

std::u16string storedOf(const Node& node, std::uint32_t index) {
  const auto& record = node.attributes().at(index);
  return std::u16string(record.value, record.valueLength);
}

std::u16string serialized(const Node& node) {
  s::base::Owned<StrBuffer> out(node.serialize(nullptr, false));
  return out->text();
}

}  // namespace

TEST_CASE("an empty element has its attributes and neither text nor children") {
  auto node = newNode();
  const char16_t* doc = u"<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/><next/>";
  const char16_t* end = node->parse(doc);
  CHECK(std::u16string(end) == u"<next/>");
  CHECK(std::u16string(node->name()) == u"entry");
  CHECK(node->childCount() == 0);
  REQUIRE(node->attributes().count() == 3);
  CHECK(textOf(*node, u"TAGNAME") == u"eng");
  CHECK(textOf(*node, u"trueName") == u"English");
  CHECK(textOf(*node, u"", u"none") == u"none");
}

TEST_CASE("a blank before the slash of an empty element adds no attribute") {
  auto root = newNode();
  root->parse(u"<list><entry a=\"1\" /><entry b=\"2\"\n/></list>");
  REQUIRE(root->childCount() == 2);
  CHECK(root->child(0)->attributes().count() == 1);
  CHECK(root->child(1)->attributes().count() == 1);
  CHECK(root->child(1)->getInt32(u"b", 0) == 2);
}

TEST_CASE("description text keeps its layout tail and the language elements are the children") {
  auto entry = newNode();
  entry->parse(
      u"<entry id=\"100000\">\n    Site name shown in the menu\n    <eng>Home</eng>\n"
      u"    <!-- a comment between elements -->\n    <dan> Hjem </dan>\n  </entry>");
  CHECK(entry->getInt32(u"id", -1) == 100000);
  REQUIRE(entry->childCount() == 2);
  CHECK(entry->child(0)->nameEquals(u"eng"));
  CHECK(entry->child(1)->nameEquals(u"dan"));
  // The first text record holds the raw description with its trailing blanks.
  CHECK(storedOf(*entry, 1) == u"Site name shown in the menu\n    ");
  CHECK(textOf(*entry, u"") == u"Site name shown in the menu");
  CHECK(textOf(*entry->child(1), u"") == u"Hjem");
}

TEST_CASE("a comment at any place leaves no child") {
  auto root = newNode();
  root->parse(u"<a><!-- x --><b/><!----><c></c><!-- y --></a>");
  REQUIRE(root->childCount() == 2);
  CHECK(root->child(0)->nameEquals(u"b"));
  CHECK(root->child(1)->nameEquals(u"c"));
}

TEST_CASE("a leading declaration and leading comments are skipped before the root") {
  const std::u16string root = u"<root a=\"1\">text<c/><!-- inner --><d>x</d></root>";
  auto plain = newNode();
  const char16_t* plainEnd = plain->parse(root.c_str());
  REQUIRE(plain->nameEquals(u"root"));
  const std::u16string prologs[] = {
      u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n",
      u"<?xml version=\"1.0\"?>",
      u"<!-- written by hand -->\r\n",
      u"\xFEFF<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<!-- one -->\n"
      u"<!----><?xml-stylesheet href=\"a.css\"?>\n",
      u"<? odd ?><!-- - -> -->",
      u"<!DOCTYPE root>\n",
      u"<?xml version=\"1.0\"?>\n<!-- c -->\n<!DOCTYPE root SYSTEM \"a>b.dtd\" [\n"
      u"  <!ENTITY e 'x]>'>\n  <!ELEMENT root ANY>\n]>\n<!-- d -->",
      u"<!DOCTYPE[]><!DOCTYPE>",
  };
  for (const std::u16string& prolog : prologs) {
    CAPTURE(prolog.size());
    const std::u16string doc = prolog + root + u" after";
    auto node = newNode();
    const char16_t* end = node->parse(doc.c_str());
    CHECK(support::recordsOf(*node) == support::recordsOf(*plain));
    CHECK(std::u16string(end) == std::u16string(plainEnd) + u" after");
  }
  // A declaration or a comment that never ends leaves no root; neither does a document that is
  // only a prolog.
  for (const char16_t* doc :
       {u"<?xml version=\"1.0\" <root/>", u"<!-- <root/>", u"<?xml version=\"1.0\"?><!-- c -->",
        u"<!DOCTYPE root [ <root/>", u"<!DOCTYPE root \"> <root/>"}) {
    auto node = newNode();
    CHECK(*node->parse(doc) == 0);
    CHECK(node->nameLength() == 0);
    CHECK(node->childCount() == 0);
  }
}

TEST_CASE("nameEquals ignores case for the whole name and is exact with a count") {
  auto node = newNode();
  node->setName(u"entry");
  CHECK(node->nameEquals(u"ENTRY", -1));
  CHECK_FALSE(node->nameEquals(u"ENTRY", 5));
  CHECK(node->nameEquals(u"entry", 5));
  CHECK_FALSE(node->nameEquals(u"entr", 4));
  CHECK_FALSE(node->nameEquals(u"entryx", -1));
  CHECK(node->findChild(u"x") == nullptr);
  node->addChild(u"Languages");
  node->addChild(u"entries");
  std::uint32_t index = 99;
  CHECK(node->findChildIndex(u"ENTRIES", &index));
  CHECK(index == 1);
  CHECK(node->findChild(u"languages") == node->child(0));
  CHECK(node->findChild(u"languages", 9) == nullptr);
}

TEST_CASE("a text with layout spaces written through entities survives a round trip") {
  auto node = newNode();
  node->setName(u"t");
  node->setAttrText(u"", u" a ");
  CHECK(storedOf(*node, 0) == u"&#160;a&#160;");
  CHECK(textOf(*node, u"") == u" a ");
  auto again = newNode();
  again->parse(serialized(*node).c_str());
  CHECK(textOf(*again, u"") == u" a ");
}

TEST_CASE("getBool is true only for values starting with 1 or true") {
  struct Case {
    const char16_t* value;
    bool expected;
  };
  const Case cases[] = {{u"1", true},       {u"1x", true},    {u"true", true},
                        {u"trueish", true}, {u"True", false}, {u"yes", false},
                        {u"0", false},      {u"tru", false},  {u"", false}};
  for (const Case& c : cases) {
    auto node = newNode();
    node->attributes().add(u"v", 1, c.value, std::char_traits<char16_t>::length(c.value));
    CAPTURE(std::u16string(c.value).size());
    CHECK(node->getBool(u"V", !c.expected) == c.expected);
  }
  auto empty = newNode();
  CHECK(empty->getBool(u"v", true));
  CHECK_FALSE(empty->getBool(u"v", false));
}

TEST_CASE("attribute values are escaped and decoded by the attribute table") {
  auto node = newNode();
  node->setAttrText(u"a", u"x\ny\r\"&<>' ");
  CHECK(storedOf(*node, 0) == u"x&#10;y&#13;&quot;&amp;&lt;>' ");
  CHECK(textOf(*node, u"a") == u"x\ny\r\"&<>' ");
  // Decoding knows only its own five forms: "&gt;" and strays stay as they are.
  node->attributes().add(u"b", 1, u"&gt;&#160;&amp&amp;lt;&", 23);
  CHECK(textOf(*node, u"b") == u"&gt;&#160;&amp&lt;&");
}

TEST_CASE("element text is escaped and decoded by the text table") {
  auto node = newNode();
  node->setAttrText(u"", u"x\ny\r\"&<>");
  CHECK(storedOf(*node, 0) == u"x&#10;y&#13;\"&amp;&lt;&gt;");
  CHECK(textOf(*node, u"") == u"x\ny\r\"&<>");
  struct Case {
    const char16_t* stored;
    const char16_t* decoded;
  };
  const Case cases[] = {
      {u"\n\t  Operation Successful!&#13;&#10;Please restart.\n   ",
       u"Operation Successful!\r\nPlease restart."},
      {u"line&#10;", u"line\n"},
      {u"&#160;&#160;", u"  "},
      {u"a&amp; \n", u"a&"},
      {u"&quot;&nbsp;&#9;", u"&quot;&nbsp;&#9;"},
      {u"tail\x3000\t", u"tail"},
      {u"&", u"&"},
  };
  for (const Case& c : cases) {
    auto record = newNode();
    record->attributes().add(u"", 0, c.stored, std::char_traits<char16_t>::length(c.stored));
    CHECK(textOf(*record, u"") == c.decoded);
  }
}

TEST_CASE("getText appends or replaces, and gives the default when the name is missing") {
  auto node = newNode();
  node->setAttrText(u"n", u"v");
  auto buffer = newStr(u"pre ");
  node->getText(*buffer, u"n", u"d", true);
  CHECK(std::u16string(buffer->text()) == u"pre v");
  node->getText(*buffer, u"missing", u"d&amp;", true);
  CHECK(std::u16string(buffer->text()) == u"pre vd&amp;");
  node->getText(*buffer, u"missing", u"d", false);
  CHECK(std::u16string(buffer->text()) == u"d");
  // Trimming a text never eats into what the buffer held already.
  auto text = newNode();
  text->attributes().add(u"", 0, u"   ", 3);
  auto kept = newStr(u"x ");
  text->getText(*kept, u"", u"", true);
  CHECK(std::u16string(kept->text()) == u"x ");
}

TEST_CASE("numbers are formatted on set and parsed as stored on get") {
  auto node = newNode();
  node->setAttrInt32(u"i32", -7);
  node->setAttrInt64(u"i64", -9000000000LL);
  node->setAttrUInt32(u"u32", 4000000000u);
  node->setAttrInt8(u"i8", -128);
  node->setAttrUInt16(u"u16", 65535);
  node->setAttrHex8(u"h8", std::array<std::uint8_t, 3>{0x0a, 0xff, 0x10}.data(), 3);
  CHECK(textOf(*node, u"i32") == u"-7");
  CHECK(textOf(*node, u"u32") == u"4000000000");
  CHECK(textOf(*node, u"h8") == u"0aff10");
  CHECK(node->getInt64(u"i64", 0) == -9000000000LL);
  CHECK(node->getUInt32(u"u32", 0) == 4000000000u);
  CHECK(node->getInt8(u"i8", 0) == -128);
  CHECK(node->getUInt16(u"u16", 0) == 65535);
  node->attributes().add(u"junk", 4, u"abc", 3);
  CHECK(node->getInt32(u"junk", 5) == 0);
  CHECK(node->getInt32(u"absent", 5) == 5);
  // Setting a name twice adds a second record; lookups find the first.
  node->setAttrInt32(u"I32", 9);
  CHECK(node->getInt32(u"i32", 0) == -7);
}

TEST_CASE("number getters saturate at their type's limits") {
  struct Case {
    const char16_t* stored;
    std::int64_t i8, i16, i32, i64;
    std::uint64_t u8, u16, u32, u64;
  };
  constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
  constexpr std::uint64_t kMaxU64 = std::numeric_limits<std::uint64_t>::max();
  const Case cases[] = {
      {u" 300", 127, 300, 300, 300, 255, 300, 300, 300},
      {u"99999999999", 127, 32767, 2147483647, 99999999999, 255, 65535, 4294967295u, 99999999999u},
      {u"4294967296", 127, 32767, 2147483647, 4294967296, 255, 65535, 4294967295u, 4294967296u},
      {u"-129", -128, -129, -129, -129, 0, 0, 0, 0},
      {u"-40000", -128, -32768, -40000, -40000, 0, 0, 0, 0},
      {u"-99999999999", -128, -32768, -2147483647 - 1, -99999999999, 0, 0, 0, 0},
      {u"-1", -1, -1, -1, -1, 0, 0, 0, 0},
      {u"99999999999999999999", 127, 32767, 2147483647, kMax64, 255, 65535, 4294967295u, kMaxU64},
      {u"-99999999999999999999", -128, -32768, -2147483647 - 1, kMin64, 0, 0, 0, 0},
      {u"255", 127, 255, 255, 255, 255, 255, 255, 255},
  };
  for (const Case& c : cases) {
    CAPTURE(std::u16string(c.stored).size());
    auto node = newNode();
    node->attributes().add(u"n", 1, c.stored, std::char_traits<char16_t>::length(c.stored));
    CHECK(node->getInt8(u"n", 0) == c.i8);
    CHECK(node->getInt16(u"n", 0) == c.i16);
    CHECK(node->getInt32(u"n", 0) == c.i32);
    CHECK(node->getInt64(u"n", 0) == c.i64);
    CHECK(node->getUInt8(u"n", 1) == c.u8);
    CHECK(node->getUInt16(u"n", 1) == c.u16);
    CHECK(node->getUInt32(u"n", 1) == c.u32);
    CHECK(node->getUInt64(u"n", 1) == c.u64);
  }
}

TEST_CASE("names that would not read back are refused; what is written reads back as itself") {
  // Names the reader would split, end early, take for a comment or a declaration, or cut at a
  // terminator; and one that UTF-8 cannot carry.
  const std::u16string refusedBoth[] = {u"a b", u"c\"d", u"tab\there",   u"line\nbreak",
                                        u"e=f", u"g>h",  u"i/j",         u"k<l",
                                        u"m'n", u"o&p",  {u"nul\0x", 5}, u"lone\xD800"};
  const std::u16string refusedElements[] = {u"!--x", u"?xml"};
  const std::u16string accepted[] = {
      u"a", u"x-y.z", u"ns:name", u"_1", u"\u00e9t\u00e9", u"!bang", u"?mark", u"pair\xD83D\xDE00"};
  for (const std::u16string& name : refusedBoth) {
    CAPTURE(name.size());
    auto node = newNode();
    REQUIRE(node->setName(u"keep"));
    CHECK_FALSE(node->setName(name.data(), static_cast<std::int32_t>(name.size())));
    CHECK(std::u16string(node->name()) == u"keep");
    CHECK(node->addChild(name.data(), static_cast<std::int32_t>(name.size())) == nullptr);
    CHECK(node->childCount() == 0);
    if (name.find(u'\0') == std::u16string::npos) {
      node->setAttrText(name.c_str(), u"v");
      node->setAttrInt32(name.c_str(), 1);
      node->setAttrHex8(name.c_str(), std::array<std::uint8_t, 1>{7}.data(), 1);
      CHECK(node->attributes().count() == 0);
    }
  }
  for (const std::u16string& name : refusedElements) {
    auto node = newNode();
    REQUIRE(node->setName(u"keep"));
    CHECK_FALSE(node->setName(name.c_str()));
    CHECK(std::u16string(node->name()) == u"keep");
    CHECK(node->addChild(name.c_str()) == nullptr);
  }
  // Every accepted name, as an element and as an attribute of a child, survives writing and
  // reading in both forms of the document.
  auto root = newNode();
  root->setName(u"root");
  for (const std::u16string& name : accepted) {
    CAPTURE(name.size());
    if (name[0] != u'!' && name[0] != u'?') {
      REQUIRE(root->addChild(name.c_str()) != nullptr);
    }
    root->setAttrText(name.c_str(), u"value \"quoted\"");
  }
  auto text = newStr();
  root->serialize(text.get(), false);
  auto again = newNode();
  again->parse(text->text());
  CHECK(support::recordsOf(*again) == support::recordsOf(*root));
  s::base::Owned<s::col::_array::ArrayU08> bytes(root->serializeUtf8(nullptr, false));
  auto fromUtf8 = newNode();
  fromUtf8->parseUtf8(*bytes);
  CHECK(support::recordsOf(*fromUtf8) == support::recordsOf(*root));
}

TEST_CASE("serialisation writes one line, named attributes and only the first text") {
  auto root = newNode();
  root->parse(
      u"<lang v=\"1\">\n  head\n  <entry id=\"5\">\n    <eng>Yes&amp;No</eng>\n  </entry>\n"
      u"  tail\n  <empty/>\n</lang>");
  CHECK(serialized(*root) ==
        u"<lang v=\"1\">head\n  <entry id=\"5\"><eng>Yes&amp;No</eng></entry><empty></empty>"
        u"</lang>");
  s::base::Owned<s::col::_array::ArrayU08> bytes(root->serializeUtf8(nullptr, false));
  CHECK(bytes->count() == 84);
  CHECK(std::memcmp(bytes->data(), "<lang v=\"1\">", 12) == 0);
  auto copy = newNode();
  copy->parseUtf8(*bytes);
  CHECK(serialized(*copy) == serialized(*root));
}

TEST_CASE("a document that ends early keeps what was read") {
  struct Case {
    const char16_t* doc;
    const char16_t* shape;
  };
  const Case cases[] = {
      {u"", u"<></>"},
      {u"no tags at all", u"<></>"},
      {u"<a", u"<a></a>"},
      {u"<a b=\"1", u"<a b=\"1\"></a>"},
      {u"<a b=", u"<a></a>"},
      {u"<a \"", u"<a></a>"},
      {u"<a b=\"", u"<a b=\"\"></a>"},
      {u"<a><b>text", u"<a><b>text</b></a>"},
      {u"<a><!-- open", u"<a></a>"},
      {u"<a><b></b", u"<a><b></b></a>"},
      {u"<", u"<></>"},
      {u"<!", u"<></>"},
  };
  for (const Case& c : cases) {
    auto node = newNode();
    const char16_t* end = node->parse(c.doc);
    CAPTURE(std::u16string(c.doc).size());
    CHECK(*end == 0);
    CHECK(serialized(*node) == c.shape);
  }
}

TEST_CASE("nesting beyond the depth limit ends the document there") {
  std::u16string deep;
  for (int i = 0; i < 100000; ++i) deep += u"<d>";
  deep += u"x";
  for (int i = 0; i < 100000; ++i) deep += u"</d>";
  deep += u"<after/>";
  auto root = newNode();
  const char16_t* end = root->parse(deep.c_str());
  CHECK(*end == 0);
  std::uint32_t depth = 1;
  const Node* node = root.get();
  while (node->childCount() > 0) {
    CHECK(node->childCount() == 1);
    node = node->child(0);
    ++depth;
  }
  CHECK(depth == Node::kMaxDepth);
}

TEST_CASE("a tree saved to a file reads back the same, creating the folder") {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "vexo-xml-round-trip";
  fs::remove_all(folder);
  auto base = newStr();
  base->fromUtf8(folder.u8string().c_str(), false);
  auto path = newStr2(base->text(), u"\\sub\\SaveData.xml");
  auto root = newNode();
  root->setName(u"savedata");
  auto* view = root->addChild(u"View");
  view->setAttrInt32(u"Width", 230);
  view->setAttrText(u"Title", u"\x00e9t\x00e9 \"<1>\"");
  view->setAttrText(u"", u" two\r\nlines ");
  CHECK(root->saveFile(path->text()));

  auto loaded = newNode();
  CHECK(loaded->loadFile(path->text()));
  CHECK(serialized(*loaded) == serialized(*root));
  auto* loadedView = loaded->findChild(u"view");
  REQUIRE(loadedView != nullptr);
  CHECK(loadedView->getInt32(u"width", 0) == 230);
  CHECK(textOf(*loadedView, u"title") == u"\x00e9t\x00e9 \"<1>\"");
  CHECK(textOf(*loadedView, u"") == u" two\r\nlines ");

  auto missing = newNode();
  CHECK_FALSE(missing->loadFile(newStr2(base->text(), u"/none.xml")->text()));
  CHECK(missing->childCount() == 0);

  CHECK(fs::is_directory(folder / "sub"));
  fs::remove_all(folder);
}

TEST_CASE("giving a node back clears it and its subtree, and removing a child gives it back") {
  auto root = newNode();
  root->parse(u"<r a=\"1\"><c><g/></c><d/></r>");
  root->removeChild(0);
  CHECK(root->childCount() == 1);
  CHECK(root->child(0)->nameEquals(u"d"));
  root->clear();
  CHECK(root->childCount() == 0);
  CHECK(root->attributes().count() == 0);
  CHECK(std::u16string(root->name()).empty());
}
