#include <doctest/doctest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "s/xml/AttrFactory.h"
#include "s/xml/Node.h"

using s::str::strbuffer::newStr;
using s::xml::newNode;
using s::xml::Node;

namespace {

// The value element i carries: lengths vary so that texts fall across many chunks and their
// ends, and a few are long enough to get blocks of their own.
std::u16string valueOf(int i) {
  std::u16string value = u"v" + std::u16string(static_cast<std::size_t>(i % 37), u'\u00E9');
  if (i % 50 == 7) value += std::u16string(700, u'L');
  return value + static_cast<char16_t>(u'0' + i % 10);
}

std::u16string textOf(int i) {
  return u"t" + std::u16string(static_cast<std::size_t>(i % 23), u'x');
}

std::u16string documentOf(int elements) {
  std::u16string doc = u"<root>\n";
  for (int i = 0; i < elements; ++i) {
    doc += u"  <e a=\"" + valueOf(i) + u"\">" + textOf(i) + u"</e>\n";
  }
  return doc + u"</root>";
}

void parseAs(Node& node, const std::u16string& doc, bool fromUtf8) {
  if (!fromUtf8) {
    node.parse(doc.c_str());
    return;
  }
  auto text = newStr();
  text->appendText(doc.c_str());
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  text->toUtf8Unterminated(*bytes, false);
  node.parseUtf8(*bytes);
}

std::u16string valueAt(const Node& node, std::uint32_t record) {
  const auto& r = node.attributes().at(record);
  return std::u16string(r.value, r.valueLength);
}

}  // namespace

TEST_CASE("records of one reading stay whole whichever of them go back first") {
  // Texts share storage per reading; giving back any of them must leave the others readable
  // (the sanitizers see a text freed too early, and a chunk never freed as a leak).
  const int kElements = 300;
  const std::u16string doc = documentOf(kElements);
  for (bool fromUtf8 : {false, true}) {
    CAPTURE(fromUtf8);
    auto root = newNode();
    parseAs(*root, doc, fromUtf8);
    REQUIRE(root->childCount() == static_cast<std::uint32_t>(kElements));

    // Every other element goes, from the end, then the first record of every third left.
    std::vector<int> left;
    for (int i = kElements - 1; i >= 0; --i) {
      if (i % 2 == 1) {
        root->removeChild(static_cast<std::uint32_t>(i));
      } else {
        left.insert(left.begin(), i);
      }
    }
    REQUIRE(root->childCount() == left.size());
    for (std::uint32_t k = 0; k < left.size(); k += 3) root->child(k)->attributes().removeAt(0);

    // A record set later lives beside the read ones and goes with them.
    root->child(1)->setAttrText(u"later", u"set <after>");
    for (std::uint32_t k = 0; k < left.size(); ++k) {
      CAPTURE(left[k]);
      const Node& element = *root->child(k);
      if (k % 3 == 0) {
        REQUIRE(element.attributes().count() >= 1);
        CHECK(element.attributes().at(0).nameLength == 0);
        CHECK(valueAt(element, 0) == textOf(left[k]));
      } else {
        REQUIRE(element.attributes().count() >= 2);
        CHECK(std::u16string(element.attributes().at(0).name) == u"a");
        CHECK(valueAt(element, 0) == valueOf(left[k]));
        CHECK(valueAt(element, 1) == textOf(left[k]));
      }
    }
    auto later = newStr();
    root->child(1)->getText(*later, u"later", nullptr, false);
    CHECK(std::u16string(later->text()) == u"set <after>");
  }
}

TEST_CASE("giving back a tree larger than the pools keeps what they hold and deletes the rest") {
  auto root = newNode();
  parseAs(*root, documentOf(1500), true);
  root.reset();
  // A node is checked before its subtree goes back and kept after it, so the node pool may end
  // one above its capacity; records go back one by one, up to one above the maximum.
  std::uint32_t nodes = s::thread::poolOf<Node>().freeCount();
  CHECK(nodes >= s::thread::EasyPooler::kDefaultCapacity);
  CHECK(nodes <= s::thread::EasyPooler::kDefaultCapacity + 1);
  CHECK(s::xml::AttrFactory::instance().freeCount() == s::thread::PoolerBase::kMaxFree + 1);

  // The kept ones are empty and serve the next reading as new ones would.
  auto again = newNode();
  parseAs(*again, documentOf(40), true);
  REQUIRE(again->childCount() == 40);
  CHECK(valueAt(*again->child(7), 0) == valueOf(7));
  CHECK(valueAt(*again->child(39), 1) == textOf(39));
}

TEST_CASE("attribute and child lists grow past their first room and keep their order") {
  auto node = newNode();
  const char16_t* names[] = {u"a", u"b", u"c", u"b", u"d", u"e", u"b", u"f", u"g"};
  std::int32_t number = 0;
  for (const char16_t* name : names) node->setAttrInt32(name, number++);
  CHECK(node->attributes().removeAll(u"b", 1) == 3);
  std::u16string order;
  for (std::uint32_t i = 0; i < node->attributes().count(); ++i) {
    const auto& record = node->attributes().at(i);
    order += std::u16string(record.name, record.nameLength) + u"=" +
             std::u16string(record.value, record.valueLength) + u" ";
  }
  CHECK(order == u"a=0 c=2 d=4 e=5 f=7 g=8 ");
  node->attributes().removeAt(0);
  CHECK(node->getInt32(u"a", -1) == -1);
  CHECK(node->getInt32(u"g", -1) == 8);

  // Past the room a cleared node keeps, and back.
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 70; ++i) {
      node->addChild(std::u16string(1 + static_cast<std::size_t>(i % 20), u'n').c_str());
    }
    node->removeChild(3);
    REQUIRE(node->childCount() == 69);
    CHECK(node->child(2)->nameLength() == 3);
    CHECK(node->child(3)->nameLength() == 5);
    CHECK(node->child(68)->nameLength() == 10);
    node->clear();
    CHECK(node->childCount() == 0);
  }
}
