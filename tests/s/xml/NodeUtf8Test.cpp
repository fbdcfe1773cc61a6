#include <doctest/doctest.h>

#include <cstdint>
#include <string>

#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"
#include "support/XmlRecords.h"

using s::str::strbuffer::newStr;
using s::xml::newNode;
using s::xml::Node;

namespace {

// What reading the bytes records.
std::u16string fromBytes(const std::string& bytes) {
  auto array = s::thread::obtain<s::col::_array::ArrayU08>();
  array->reserveExact(static_cast<std::uint32_t>(bytes.size()));
  array->append(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  auto node = newNode();
  node->parseUtf8(*array);
  return support::recordsOf(*node);
}

// The reading of the same bytes decoded whole first, then parsed as text.
std::u16string fromDecodedText(const std::string& bytes) {
  auto text = newStr();
  text->fromUtf8(bytes.data(), false, static_cast<std::uint32_t>(bytes.size()));
  auto node = newNode();
  node->parse(text->text());
  return support::recordsOf(*node);
}

}  // namespace

TEST_CASE("reading UTF-8 bytes records what reading the decoded text records") {
  const std::string long_ascii(40, 'x');
  const std::string docs[] = {
      "",
      "no tags",
      "<",
      "<a",
      "<a><",
      "<a>text<",
      "<a>tail text",
      "<a b=\"1",
      "<a b=\"\xC3\xA9",
      "<a>\xE6\x93",
      "<lang>\n  <entry id=\"1\" n\xC3\xA9=\"v\xC3\xA9\">\n    Gr\xC3\xBC\xC3\x9F"
      "e\r\n"
      "    <eng>&#160;Operation&#13;&#10;\xD0\x9F\xD1\x80\xD0\xB8&amp;\xE6\x93\x8D\xE4\xBD\x9C"
      "&#160;</eng>\r\n    <rus>\xF0\x9F\x98\x80 x</rus>\n  </entry>\n</lang>\n",
      "<\xC3\xA9l\xC3\xA9ment \xE6\x93\x8D=\"\xE4\xBD\x9C\"/>",
      "<a>" + long_ascii + "\xC3\xA9" + long_ascii + "<b>" + long_ascii + "\xF0\x9F\x98\x80</b>" +
          long_ascii + "</a>",
      // Invalid forms next to delimiters and at the end.
      "<a x=\"\xC3\">\xE6\x93<b>\x80\xFF</b>\xF0\x9F\x98</a>\xC3",
      "<a>\xE6\x93",
      // Comments: the name is the "!" and two units, whatever characters they are.
      "<!\xC3\xA9\xC3\xA9 x -->",
      "<!a\xF0\x9F\x98\x80-->",
      "<!\xF0\x9F\x98\x80 -->",
      "<!-",
      "<a><!-- \xC3\xA9 --><b/><!--\xE6\x93--><c>\xC3\xA9</c></a>",
      // What comes before the root: a declaration, comments, in any characters.
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- \xC3\xA9 -->\n<a>\xC3\xA9</a>",
      "<!\xF0\x9F\x98\x80-->\n<?\xE6\x93?><a/>",
      "<?xml \xC3",
      "<!DOCTYPE a [<!ENTITY \xC3\xA9 \"]>\">]>\n<a>\xC3\xA9</a>",
      "<!DOCTYPE \xE6\x93",
      // Layout of every blank kind, shorter and longer than a block, before text and tags.
      "<a>\n\t\r                \t<b/>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tx<c/>" + long_ascii +
          "</a>",
      "<a> \t\r\n<b>\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t",
      // A zero byte ends the document.
      std::string("<a>x\0y</a>", sizeof("<a>x\0y</a>") - 1),
      std::string("<a b=\"\xC3\0\">", sizeof("<a b=\"\xC3\0\">") - 1),
  };
  for (const std::string& doc : docs) {
    CAPTURE(doc.size());
    CHECK(fromBytes(doc) == fromDecodedText(doc));
  }
}

TEST_CASE("names and values from UTF-8 hold exactly their units") {
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  const std::string doc =
      "<\xC3\xA9t\xC3\xA9 \xE6\x93\x8D=\"\xF0\x9F\x98\x80&amp;\">  \xD0\x9F&#160;\r\n</x>";
  bytes->append(doc.data(), static_cast<std::uint32_t>(doc.size()));
  auto node = newNode();
  node->parseUtf8(*bytes);
  CHECK(std::u16string(node->name()) == u"\u00E9t\u00E9");
  CHECK(node->nameLength() == 3);
  REQUIRE(node->attributes().count() == 2);
  const auto& attribute = node->attributes().at(0);
  CHECK(std::u16string(attribute.name) == u"\u64CD");
  CHECK(attribute.nameLength == 1);
  CHECK(std::u16string(attribute.value) == u"\U0001F600&amp;");
  CHECK(attribute.valueLength == 7);
  const auto& text = node->attributes().at(1);
  CHECK(text.nameLength == 0);
  CHECK(std::u16string(text.value) == u"\u041F&#160;\r\n");
  auto decoded = newStr();
  node->getText(*decoded, u"", u"", false);
  CHECK(std::u16string(decoded->text()) == u"\u041F ");
  CHECK(node->getText(*decoded, u"\u64CD", u"", false).length() == 3);
}

TEST_CASE("long names leave the node's own storage and come back to it when cleared") {
  const std::u16string longName(100, u'n');
  auto node = newNode();
  node->setName(longName.c_str());
  CHECK(std::u16string(node->name()) == longName);
  node->setName(node->name(), 5);
  CHECK(std::u16string(node->name()) == u"nnnnn");
  node->clear();
  CHECK(std::u16string(node->name()).empty());
  node->setName(u"short");
  node->setName(longName.c_str(), 40);
  CHECK(node->nameLength() == 40);
  CHECK(std::u16string(node->name()) == longName.substr(0, 40));
}
