#pragma once

#include <cstddef>
#include <cstdint>

#include "s/thread/IPoolable.h"
#include "s/xml/Attributes.h"
#include "s/xml/IXml.h"
#include "s/xml/PointerList.h"

namespace s::xml {

// The library's XML element: a forgiving single-pass reader and a writer of the same shape.
// A node owns its name, its attributes and its children; giving it back gives back the subtree.
class Node final : public IXml, public s::thread::IPoolable {
 public:
  // Elements nested deeper than this end the document: the reader stops there as if the text
  // had ended, so no input can exhaust the stack.
  static constexpr std::uint32_t kMaxDepth = 256;

  Node();
  ~Node() override;
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;
  // A node is a block that says where it lives (see TextArena): its own, or cut by a reading
  // that found the pool empty; either is deleted the same way.
  static void* operator new(std::size_t bytes) { return TextArena::ownObject(bytes); }
  static void operator delete(void* node) { TextArena::giveBack(node); }

  const char16_t* className() const override { return u"s_xml_Node"; }
  s::base::IObject* newInstance() const override;
  // Gives the node back with its subtree.
  void release() override;
  // The pool's reset, for a node given back: when its subtree went back whole, its records
  // were gathered already.
  void reset() override { clearOwn(); }

  std::uint32_t childCount() const override { return children_.count(); }
  void clear() override;
  void walk(const char16_t* prefix) const override;
  const char16_t* parse(const char16_t* text) override;
  void parseUtf8(const ArrayU08& bytes) override;
  // The name, or the empty text while none is set.
  const char16_t* name() const override { return nameLength_ > 0 ? name_ : u""; }
  std::uint32_t nameLength() const { return nameLength_; }
  // Refuses (false, name unchanged) a name that would not read back as itself; the reader
  // itself keeps whatever name it finds.
  bool setName(const char16_t* text, std::int32_t count = -1) override;
  // Count -1: the whole name ignoring case; otherwise count units exactly, ending the name.
  bool nameEquals(const char16_t* text, std::int32_t count = -1) const override;
  bool isComment() const override { return nameLength_ > 0 && name_[0] == u'!'; }
  // No bounds check.
  Node* child(std::uint32_t index) const override { return children_.at(index); }
  // Null for a name setName refuses.
  Node* addChild(const char16_t* name, std::int32_t count = -1) override;
  // Takes ownership of a node from the node pool.
  void appendChild(IXml* node) override;
  void removeChild(std::uint32_t index) override;
  bool findChildIndex(const char16_t* name, std::uint32_t* index,
                      std::int32_t count = -1) const override;
  Node* findChild(const char16_t* name, std::int32_t count = -1) const override;

  void setAttrInt64(const char16_t* name, std::int64_t value) override;
  void setAttrUInt32(const char16_t* name, std::uint32_t value) override;
  void setAttrUInt16(const char16_t* name, std::uint16_t value) override;
  void setAttrUInt8(const char16_t* name, std::uint8_t value) override;
  void setAttrUInt64(const char16_t* name, std::uint64_t value) override;
  void setAttrInt32(const char16_t* name, std::int32_t value) override;
  void setAttrInt16(const char16_t* name, std::int16_t value) override;
  void setAttrInt8(const char16_t* name, std::int8_t value) override;
  void setAttrFloat(const char16_t* name, float value) override;
  void setAttrDouble(const char16_t* name, double value) override;
  void setAttrText(const char16_t* name, const char16_t* value) override;
  void setAttrHex64(const char16_t* name, const std::uint64_t* values,
                    std::uint32_t count) override;
  void setAttrHex32(const char16_t* name, const std::uint32_t* values,
                    std::uint32_t count) override;
  void setAttrHex16(const char16_t* name, const std::uint16_t* values,
                    std::uint32_t count) override;
  void setAttrHex8(const char16_t* name, const std::uint8_t* values, std::uint32_t count) override;
  void setAttrHex32Pairs(const char16_t* name, const std::uint32_t* values,
                         std::uint32_t count) override;

  bool getBool(const char16_t* name, bool defaultValue) const override;
  std::int8_t getInt8(const char16_t* name, std::int8_t defaultValue) const override;
  std::int16_t getInt16(const char16_t* name, std::int16_t defaultValue) const override;
  std::int32_t getInt32(const char16_t* name, std::int32_t defaultValue) const override;
  std::int64_t getInt64(const char16_t* name, std::int64_t defaultValue) const override;
  std::uint8_t getUInt8(const char16_t* name, std::uint8_t defaultValue) const override;
  std::uint16_t getUInt16(const char16_t* name, std::uint16_t defaultValue) const override;
  std::uint32_t getUInt32(const char16_t* name, std::uint32_t defaultValue) const override;
  std::uint64_t getUInt64(const char16_t* name, std::uint64_t defaultValue) const override;
  StrBuffer& getText(StrBuffer& buffer, const char16_t* name, const char16_t* defaultValue,
                     bool append) const override;

  StrBuffer* serialize(StrBuffer* buffer, bool append) const override;
  ArrayU08* serializeUtf8(ArrayU08* bytes, bool append) const override;

  Attributes& attributes() override { return attributes_; }
  const Attributes& attributes() const override { return attributes_; }

  bool loadFile(const char16_t* path) override;
  bool load(const s::file::Path& path) override;
  bool saveFile(const char16_t* path) const override;
  bool save(const s::file::Path& path) const override;

 private:
  // The nodes and records of one reading, taken from their pools a batch at a time.
  class Supply;

  // The root element, after any leading declarations and comments.
  template <class Unit>
  const Unit* parseDocument(const Unit* at, const Unit* end, Supply& supply);
  // One reader for both inputs: UTF-16 text, and UTF-8 bytes decoded piece by piece straight
  // into the names and records. The scan stops at end, the first terminator.
  template <class Unit>
  const Unit* parseElement(const Unit* at, const Unit* end, std::uint32_t depth, Supply& supply);
  // Keeps the units up to the next "<" as an empty-named record.
  template <class Unit>
  const Unit* keepText(const Unit* at, const Unit* end, Supply& supply);
  // The "!" of a comment and the two units after it, as the name; returns where they end.
  const char16_t* setCommentName(const char16_t* at, const char16_t* end);
  const std::uint8_t* setCommentName(const std::uint8_t* at, const std::uint8_t* end);
  // The element's name from the units or bytes at text; the bytes before end may be read.
  void setNameUnits(const char16_t* text, std::uint32_t length, const char16_t*) {
    assignName(text, length);
  }
  void assignName(const char16_t* text, std::uint32_t length);
  void setNameUnits(const std::uint8_t* bytes, std::uint32_t count, const std::uint8_t* end);
  void addRecord(Supply& supply, const char16_t* name, std::uint32_t nameLength,
                 const char16_t* value, std::uint32_t valueLength);
  void addRecord(Supply& supply, const std::uint8_t* name, std::uint32_t nameBytes,
                 const std::uint8_t* value, std::uint32_t valueBytes);
  // Records gathered from a subtree, given back to their pool a batch at a time.
  class RecordBatch;
  // Hands this node's records and then its children's, in order, to the batch.
  void gatherRecords(RecordBatch& batch);
  // Clears the name, the records left and the children.
  void clearOwn();
  // Gives every child back to the node pool, in order, and empties the list.
  void giveBackChildren();
  // Deletes nodes the pool could not keep, with one count change per run of nodes from the
  // same chunk.
  static void deleteAll(Node* const* nodes, std::uint32_t n);
  // Room for at least length + 1 units of name; the old name is not kept.
  void reserveName(std::uint32_t length);
  void serializeInto(StrBuffer& out) const;

  PointerList<Node, 0> children_;
  Attributes attributes_;
  static constexpr std::uint32_t kKeptNameCapacity = 32;
  static constexpr std::uint32_t kKeptChildCapacity = 64;
  // Names up to this many units (with the terminator) live in the node itself.
  static constexpr std::uint32_t kInlineNameCapacity = 12;

  char16_t* name_ = inlineName_;
  std::uint32_t nameLength_ = 0;
  std::uint32_t nameCapacity_ = kInlineNameCapacity;
  char16_t inlineName_[kInlineNameCapacity] = {};
};

// A node from the node pool, held by a handle that gives it back.
s::base::Owned<Node> newNode();

}  // namespace s::xml
