#include <doctest/doctest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "s/xml/AttrFactory.h"
#include "s/xml/Node.h"
#include "support/XmlRecords.h"

// A reading cuts the nodes and records its pools cannot give it from the same chunks as their
// texts; each chunk lives while anything cut from it does. These cases hold trees to what they
// read while their pieces go back in orders that share chunks between the living and the dead:
// a chunk freed too early shows as a use after free, one never freed as a leak.

using s::xml::newNode;
using s::xml::Node;

namespace {

// Pseudo-random numbers from a fixed seed, so that every run tries the same orders.
struct Random {
  std::uint32_t state;
  std::uint32_t next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : next() % n; }
};

// A document of `elements` children under one root, with what the reader must record for each
// child written out the way support::recordsOf writes it. Children vary in everything that
// decides where their pieces live: long names (beyond the node's own room), values long enough
// for a block of their own, no text, nested children, comments between them.
struct Document {
  std::u16string text;
  std::vector<std::u16string> children;
  std::vector<std::size_t> childEnds;  // units of text up to the end of each child
};

std::u16string numberText(std::uint32_t n) {
  std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

Document makeDocument(std::uint32_t elements, std::uint32_t seed) {
  Random random{seed * 2654435761u + 1u};
  Document doc;
  doc.text = u"<root>\n";
  for (std::uint32_t i = 0; i < elements; ++i) {
    if (random.below(13) == 0) doc.text += u"  <!-- between -->\n";
    std::u16string name = random.below(9) == 0 ? u"averyveryverylongelement" : u"e";
    std::u16string id = numberText(i);
    std::u16string value;
    switch (random.below(4)) {
      case 0:
        break;
      case 1:
        value = u"v\u00E9\u4E2D" + id;
        break;
      case 2:
        value = std::u16string(random.below(40), u'\u0436') + id;
        break;
      default:
        value = std::u16string(300 + random.below(400), u'L');
        break;
    }
    std::u16string text =
        random.below(5) == 0 ? u"" : u"t&amp;" + std::u16string(random.below(30), u'x');
    bool nested = random.below(6) == 0;

    std::u16string element = u"<" + name + u" id=\"" + id + u"\"";
    std::u16string expected = u"(" + name + u"[id|" + id + u"]";
    if (!value.empty()) {
      element += u" v=\"" + value + u"\"";
      expected += u"[v|" + value + u"]";
    }
    if (text.empty() && !nested) {
      element += u"/>";
    } else {
      element += u">" + text;
      if (!text.empty()) expected += u"[|" + text + u"]";
      if (nested) {
        for (char16_t c = u'a'; c < u'a' + 3; ++c) {
          element += u"<c>" + std::u16string(1, c) + u"</c>";
          expected += u"(c[|" + std::u16string(1, c) + u"])";
        }
      }
      element += u"</" + name + u">";
    }
    doc.text += u"  " + element;
    doc.childEnds.push_back(doc.text.size());
    doc.text += u"\n";
    doc.children.push_back(expected + u")");
  }
  doc.text += u"</root>";
  return doc;
}

s::base::Owned<s::col::_array::ArrayU08> utf8Of(const std::u16string& text) {
  auto buffer = s::str::strbuffer::newStr();
  buffer->appendUnits(text.data(), static_cast<std::uint32_t>(text.size()));
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  buffer->toUtf8Unterminated(*bytes, false);
  return bytes;
}

s::base::Owned<Node> read(const std::u16string& text, bool fromUtf8) {
  auto node = newNode();
  if (fromUtf8) {
    node->parseUtf8(*utf8Of(text));
  } else {
    node->parse(text.c_str());
  }
  return node;
}

// A tree with what each of its children must still record.
struct LiveTree {
  s::base::Owned<Node> root;
  std::vector<std::u16string> children;
};

void checkTree(const LiveTree& tree) {
  REQUIRE(tree.root->childCount() == tree.children.size());
  for (std::uint32_t i = 0; i < tree.root->childCount(); ++i) {
    CAPTURE(i);
    REQUIRE(support::recordsOf(*tree.root->child(i)) == tree.children[i]);
  }
}

// Takes every free object out of both pools, so that the next reading cuts all it needs; gives
// them back when it goes.
class EmptiedPools {
 public:
  EmptiedPools() {
    void* batch[64];
    for (std::uint32_t n; (n = s::thread::poolOf<Node>().takeFree(batch, 64)) > 0;)
      nodes_.insert(nodes_.end(), batch, batch + n);
    for (std::uint32_t n; (n = s::xml::AttrFactory::instance().takeFree(batch, 64)) > 0;)
      records_.insert(records_.end(), batch, batch + n);
  }
  ~EmptiedPools() {
    s::thread::poolOf<Node>().giveBackAll(nodes_.data(), static_cast<std::uint32_t>(nodes_.size()));
    s::xml::AttrFactory::instance().giveBackAll(records_.data(),
                                                static_cast<std::uint32_t>(records_.size()));
  }
  EmptiedPools(const EmptiedPools&) = delete;
  EmptiedPools& operator=(const EmptiedPools&) = delete;

 private:
  std::vector<void*> nodes_;
  std::vector<void*> records_;
};

}  // namespace

TEST_CASE("nodes and records cut by a reading and kept by their pools serve later readings") {
  EmptiedPools emptied;
  const Document first = makeDocument(1600, 1);
  {
    LiveTree tree{read(first.text, true), first.children};
    checkTree(tree);
  }
  // The pools now hold a thousand nodes and records cut from the first reading's chunks, whose
  // other pieces are gone; readings of both kinds run on them, and the last one needs more.
  CHECK(s::thread::poolOf<Node>().freeCount() >= s::thread::EasyPooler::kDefaultCapacity);
  for (std::uint32_t round = 0; round < 4; ++round) {
    CAPTURE(round);
    const Document next = makeDocument(round < 3 ? 200 + 150 * round : 1500, 10 + round);
    LiveTree tree{read(next.text, round % 2 == 0), next.children};
    checkTree(tree);
    // Single give-backs into a full pool delete what they give back.
    tree.root->removeChild(0);
    tree.children.erase(tree.children.begin());
    checkTree(tree);
  }
}

TEST_CASE("trees read one after another stay whole while others go back in pieces") {
  Random random{20261209u};
  std::vector<LiveTree> trees;
  for (std::uint32_t step = 0; step < 40; ++step) {
    CAPTURE(step);
    std::uint32_t choice = random.below(10);
    if (trees.size() < 2 || (choice < 3 && trees.size() < 5)) {
      const Document doc = makeDocument(random.below(700), step);
      trees.push_back(LiveTree{read(doc.text, random.below(3) != 0), doc.children});
    } else if (choice < 7) {
      // Children leave from anywhere: the front, the middle, the end.
      LiveTree& tree = trees[random.below(static_cast<std::uint32_t>(trees.size()))];
      std::uint32_t removals = 1 + random.below(200);
      for (std::uint32_t k = 0; k < removals && !tree.children.empty(); ++k) {
        auto index = random.below(static_cast<std::uint32_t>(tree.children.size()));
        tree.root->removeChild(index);
        tree.children.erase(tree.children.begin() + index);
      }
    } else if (choice < 8) {
      // A child cleared keeps its place as an unnamed, empty node.
      LiveTree& tree = trees[random.below(static_cast<std::uint32_t>(trees.size()))];
      if (!tree.children.empty()) {
        auto index = random.below(static_cast<std::uint32_t>(tree.children.size()));
        tree.root->child(index)->clear();
        tree.children[index] = u"()";
      }
    } else {
      trees.erase(trees.begin() + random.below(static_cast<std::uint32_t>(trees.size())));
    }
    if (step % 10 == 9) {
      for (const LiveTree& tree : trees) checkTree(tree);
    } else if (!trees.empty()) {
      checkTree(trees[step % trees.size()]);
    }
  }
  for (const LiveTree& tree : trees) checkTree(tree);
}

TEST_CASE("a document of far more elements than the pools hold reads, writes and reads back") {
  const Document doc = makeDocument(6000, 7);
  auto root = read(doc.text, true);
  REQUIRE(root->childCount() == doc.children.size());
  for (std::uint32_t i = 0; i < root->childCount(); i += 97) {
    CAPTURE(i);
    CHECK(support::recordsOf(*root->child(i)) == doc.children[i]);
  }
  CHECK(support::recordsOf(*root->child(root->childCount() - 1)) == doc.children.back());

  s::base::Owned<s::col::_array::ArrayU08> written(root->serializeUtf8(nullptr, false));
  auto again = newNode();
  again->parseUtf8(*written);
  CHECK(support::recordsOf(*again) == support::recordsOf(*root));
  // The first tree goes while the second, whose reading found the pools empty, is still read.
  root.reset();
  REQUIRE(again->childCount() == doc.children.size());
  CHECK(support::recordsOf(*again->child(3000)) == doc.children[3000]);
}

TEST_CASE("a document cut or broken anywhere keeps what it read whole and gives back the rest") {
  const Document doc = makeDocument(120, 3);
  const std::size_t step = doc.text.size() / 60 + 1;
  for (std::size_t cut = 0; cut <= doc.text.size(); cut += step) {
    CAPTURE(cut);
    std::uint32_t complete = 0;
    while (complete < doc.childEnds.size() && doc.childEnds[complete] <= cut) ++complete;
    for (bool fromUtf8 : {true, false}) {
      CAPTURE(fromUtf8);
      auto root = read(doc.text.substr(0, cut), fromUtf8);
      REQUIRE(root->childCount() >= complete);
      for (std::uint32_t i = 0; i < complete; ++i) {
        CAPTURE(i);
        REQUIRE(support::recordsOf(*root->child(i)) == doc.children[i]);
      }
    }
  }

  // A quote or bracket lost mid-document makes the scan run on; whatever it builds goes back.
  Random random{99u};
  for (std::uint32_t trial = 0; trial < 40; ++trial) {
    std::u16string broken = doc.text;
    for (std::uint32_t k = 0; k < 1 + trial % 3; ++k) {
      std::size_t at =
          broken.find_first_of(u"\"<>/", random.below(static_cast<std::uint32_t>(broken.size())));
      if (at != std::u16string::npos) broken[at] = u'x';
    }
    auto fromText = read(broken, false);
    auto fromBytes = read(broken, true);
    CHECK(support::recordsOf(*fromText) == support::recordsOf(*fromBytes));
  }

  // Nesting beyond the limit ends the document: the siblings read before stay.
  std::u16string deep = u"<root><a>1</a><b x=\"2\"/><c>3</c>";
  for (std::uint32_t i = 0; i < Node::kMaxDepth + 10; ++i) deep += u"<d>";
  auto root = read(deep, true);
  REQUIRE(root->childCount() == 4);
  CHECK(support::recordsOf(*root->child(0)) == u"(a[|1])");
  CHECK(support::recordsOf(*root->child(1)) == u"(b[x|2])");
  CHECK(support::recordsOf(*root->child(2)) == u"(c[|3])");
}
