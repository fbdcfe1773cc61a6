#include "s/xml/Node.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "s/file/Path.h"
#include "s/str/strbuffer/Utf8.h"
#include "s/thread/Pool.h"
#include "s/xml/Entities.h"
#include "s/xml/Names.h"

namespace s::xml {

using s::str::strbuffer::foldAscii;
using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;
using s::str::strbuffer::textLength;

namespace {

std::uint32_t lengthOf(const char16_t* text, std::int32_t count) {
  if (text == nullptr) return 0;
  return count < 0 ? textLength(text) : static_cast<std::uint32_t>(count);
}

// Blanks, an optional sign and decimal digits, saturating at the 64-bit limits.
std::int64_t parseSigned(const char16_t* text) {
  while (isXmlBlank(*text)) ++text;
  bool negative = *text == u'-';
  if (*text == u'-' || *text == u'+') ++text;
  std::uint64_t magnitude = 0;
  const std::uint64_t limit =
      negative ? std::uint64_t{1} << 63 : std::uint64_t{std::numeric_limits<std::int64_t>::max()};
  for (; *text >= u'0' && *text <= u'9'; ++text) {
    std::uint64_t digit = static_cast<std::uint64_t>(*text - u'0');
    magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
  }
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

// The unsigned base-10 reading: a negative number is below the range and gives 0, too many
// digits saturate.
std::uint64_t parseUnsigned(const char16_t* text) {
  while (isXmlBlank(*text)) ++text;
  bool negative = *text == u'-';
  if (*text == u'-' || *text == u'+') ++text;
  std::uint64_t value = 0;
  const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
  for (; *text >= u'0' && *text <= u'9'; ++text) {
    std::uint64_t digit = static_cast<std::uint64_t>(*text - u'0');
    value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
  }
  return negative ? 0 : value;
}

// Numbers outside a narrower type's range stop at its limits, as the text buffer's do; a plain
// cast would keep the low bits and give an unrelated number.
template <class T>
T saturated(std::int64_t value) {
  if (value < std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
  if (value > std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
  return static_cast<T>(value);
}

template <class T>
T saturated(std::uint64_t value) {
  return value > std::numeric_limits<T>::max() ? std::numeric_limits<T>::max()
                                               : static_cast<T>(value);
}

// The stored form of the first record with that name, or null.
const char16_t* storedValue(const Attributes& attributes, const char16_t* name) {
  const AttrRecord* record = attributes.findRecord(name, lengthOf(name, -1));
  return record != nullptr ? record->value : nullptr;
}

// Past the element's layout blanks; text up to the next "<" is kept.
const char16_t* skipBlanks(const char16_t* at, const char16_t* end) {
  while (at != end && isXmlBlank(*at)) ++at;
  return at;
}

// A run of blanks from a blank at `at` on.
__attribute__((noinline)) const std::uint8_t* skipBlankRun(const std::uint8_t* at,
                                                           const std::uint8_t* end) {
#if defined(__SSE2__)
  // The layout between elements is a line break and an indent: a block at once.
  if (end - at >= 16) {
    __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    __m128i blank = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(sixteen, _mm_set1_epi8(' ')),
                                              _mm_cmpeq_epi8(sixteen, _mm_set1_epi8('\n'))),
                                 _mm_or_si128(_mm_cmpeq_epi8(sixteen, _mm_set1_epi8('\r')),
                                              _mm_cmpeq_epi8(sixteen, _mm_set1_epi8('\t'))));
    auto other = ~static_cast<unsigned>(_mm_movemask_epi8(blank)) & 0xFFFFu;
    if (other != 0) return at + __builtin_ctz(other);
    at += 16;
  }
#endif
  while (at != end && isXmlBlank(*at)) ++at;
  return at;
}

// Most places where blanks may stand hold none: that is told without a call.
inline const std::uint8_t* skipBlanks(const std::uint8_t* at, const std::uint8_t* end) {
  return at != end && isXmlBlank(*at) ? skipBlankRun(at, end) : at;
}

// The first unit equal to `unit`, or end. Most stretches searched are short (a value, a line of
// text), so the blocks are compared inline rather than through a library call.
const char16_t* findUnit(const char16_t* at, const char16_t* end, char16_t unit) {
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(unit));
  while (end - at >= 8) {
    __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(eight, wanted)));
    if (hits != 0) return at + __builtin_ctz(hits) / 2;
    at += 8;
  }
#endif
  while (at != end && *at != unit) ++at;
  return at;
}

const std::uint8_t* findUnit(const std::uint8_t* at, const std::uint8_t* end, char16_t unit) {
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(static_cast<char>(unit));
  while (end - at >= 16) {
    __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, wanted)));
    if (hits != 0) return at + __builtin_ctz(hits);
    at += 16;
  }
#endif
  while (at != end && *at != unit) ++at;
  return at;
}

template <class Unit>
const Unit* skipPast(const Unit* at, const Unit* end, char16_t unit) {
  at = findUnit(at, end, unit);
  return at == end ? at : at + 1;
}

template <class Unit>
std::uint32_t unitsBetween(const Unit* from, const Unit* to) {
  return static_cast<std::uint32_t>(to - from);
}

// Past a "<!DOCTYPE" whose "!" is at `bang`: its internal subset, in brackets, and its quoted
// identifiers may hold ">". One that never ends ends the document.
template <class Unit>
const Unit* skipDoctype(const Unit* bang, const Unit* end) {
  char16_t quote = 0;
  std::uint32_t brackets = 0;
  for (const Unit* at = bang; at != end; ++at) {
    const char16_t unit = *at;
    if (quote != 0) {
      if (unit == quote) quote = 0;
    } else if (unit == u'"' || unit == u'\'') {
      quote = unit;
    } else if (unit == u'[') {
      ++brackets;
    } else if (unit == u']' && brackets > 0) {
      --brackets;
    } else if (unit == u'>' && brackets == 0) {
      return at + 1;
    }
  }
  return end;
}

template <class Unit>
bool opensDoctype(const Unit* bang, const Unit* end) {
  static const char kDoctype[] = "!DOCTYPE";
  if (end - bang < 9) return false;
  for (int i = 0; i < 8; ++i) {
    if (bang[i] != static_cast<Unit>(kDoctype[i])) return false;
  }
  return isXmlBlank(bang[8]) || bang[8] == u'[' || bang[8] == u'>';
}

// Past every "<?...?>" (the XML declaration, processing instructions) and "<!DOCTYPE ...>" that
// comes next, since a comment's rule would read a document type as a comment that swallows the
// whole file; `at` itself when the next "<" opens anything else. One that never ends ends the
// document.
template <class Unit>
const Unit* skipDeclarations(const Unit* at, const Unit* end) {
  for (;;) {
    const Unit* open = findUnit(at, end, u'<');
    if (open == end) return at;
    const Unit* mark = skipBlanks(open + 1, end);
    if (mark != end && opensDoctype(mark, end)) {
      at = skipDoctype(mark, end);
      continue;
    }
    if (mark == end || *mark != u'?') return at;
    const Unit* close = mark + 1;
    while (end - close >= 2 && !(close[0] == u'?' && close[1] == u'>')) ++close;
    if (end - close < 2) return end;
    at = close + 2;
  }
}

}  // namespace

// Each entry of a pool's lock is an atomic operation, and a document needs thousands of nodes
// and records, so a reading takes them from their pools a batch at a time. The batch is the top
// of the free list moved aside in order and used from its end, so objects are used in the order
// single takes would give; what is left goes back in the same order, leaving the free list as
// single takes would have left it. Once a pool has nothing free, the reading makes new objects
// without asking it again.
class Node::Supply {
 public:
  Supply() : nodePool_(s::thread::poolOf<Node>()), recordPool_(AttrFactory::instance()) {}
  ~Supply() {
    if (nodes_.count > 0) nodePool_.giveBackAll(nodes_.items, nodes_.count);
    if (records_.count > 0) recordPool_.giveBackAll(records_.items, records_.count);
  }
  Supply(const Supply&) = delete;
  Supply& operator=(const Supply&) = delete;

  Node* takeNode() {
    if (nodes_.count == 0 && !nodes_.dry) refill(nodes_, nodePool_.takeFree(nodes_.items, kBatch));
    if (nodes_.count > 0) return static_cast<Node*>(nodes_.items[--nodes_.count]);
    // Beyond the pool, a reading's nodes are cut from its chunks rather than made one by one.
    static_assert(alignof(Node) <= alignof(void*), "chunks hand out pointer-aligned blocks");
    return ::new (texts_.cut(sizeof(Node))) Node();
  }

  // A node this reading will not keep: cleared and used next, as giving it back to its pool
  // and taking again would do.
  void giveBackNode(Node* node) {
    if (nodes_.count < kBatch) {
      node->clear();
      nodes_.items[nodes_.count++] = node;
    } else {
      node->release();
    }
  }

  void* takeRecord() {
    if (records_.count == 0 && !records_.dry) {
      refill(records_, recordPool_.takeFree(records_.items, kBatch));
    }
    if (records_.count > 0) return records_.items[--records_.count];
    static_assert(alignof(AttrRecord) <= alignof(void*), "chunks hand out pointer-aligned blocks");
    return texts_.cut(sizeof(AttrRecord));
  }

  AttrFactory& recordPool() { return recordPool_; }
  TextArena& texts() { return texts_; }
  // The end of the bytes being read, which may lie past the end of the document (a zero byte).
  const std::uint8_t* readableEnd() const { return readableEnd_; }
  void setReadableEnd(const std::uint8_t* end) { readableEnd_ = end; }

  // The children of one element while it is read. They wait on the reading's stack, above
  // those of the elements around it, and join the element's list at once when it ends (on
  // every path out), so that each list is made once at its final size instead of grown.
  class Children {
   public:
    Children(Supply& supply, Node& parent)
        : stack_(supply.openChildren_), parent_(parent), first_(stack_.count()) {}
    ~Children() {
      std::uint32_t n = stack_.count() - first_;
      if (n == 0) return;
      parent_.children_.appendAll(stack_.items() + first_, n);
      stack_.truncate(first_);
    }
    Children(const Children&) = delete;
    Children& operator=(const Children&) = delete;

    void add(Node* node) { stack_.append(node); }

   private:
    PointerList<Node, 0>& stack_;
    Node& parent_;
    std::uint32_t first_;
  };

 private:
  static constexpr std::uint32_t kBatch = 64;
  struct Batch {
    void* items[kBatch];
    std::uint32_t count = 0;
    bool dry = false;
  };

  static void refill(Batch& batch, std::uint32_t taken) {
    batch.count = taken;
    batch.dry = taken == 0;
  }

  s::thread::EasyPooler& nodePool_;
  AttrFactory& recordPool_;
  Batch nodes_;
  Batch records_;
  PointerList<Node, 0> openChildren_;
  const std::uint8_t* readableEnd_ = nullptr;
  // Declared last, so closed first: it only lets go of its hold on the last chunk.
  TextArena texts_;
};

// Giving a tree's records back node by node enters the record pool's lock once per node and
// changes a text chunk's count once per record, each an atomic operation. A subtree's records
// are handed over first instead, in the order clearing node by node would give them back, so
// the pool keeps and deletes the same records; their texts go back a chunk at a time.
class Node::RecordBatch {
 public:
  RecordBatch() = default;
  ~RecordBatch() { flush(); }
  RecordBatch(const RecordBatch&) = delete;
  RecordBatch& operator=(const RecordBatch&) = delete;

  void add(AttrRecord* record) {
    texts_.add(record->name);
    record->name = nullptr;
    if (count_ == kSize) flush();
    items_[count_++] = record;
  }

 private:
  static constexpr std::uint32_t kSize = 256;

  void flush() {
    texts_.flush();
    if (count_ > 0) AttrFactory::instance().giveBackMany(items_, count_);
    count_ = 0;
  }

  TextArena::Releaser texts_;
  void* items_[kSize];
  std::uint32_t count_ = 0;
};

s::base::Owned<Node> newNode() { return s::thread::obtain<Node>(); }

Node::Node() = default;

Node::~Node() {
  giveBackChildren();
  if (name_ != inlineName_) std::free(name_);
}

s::base::IObject* Node::newInstance() const { return s::thread::takeFromPool<Node>(); }

void Node::release() {
  {
    RecordBatch batch;
    gatherRecords(batch);
  }
  s::thread::giveBackToPool(this);
}

void Node::clear() {
  {
    RecordBatch batch;
    gatherRecords(batch);
  }
  clearOwn();
}

void Node::gatherRecords(RecordBatch& batch) {
  attributes_.handOver([&batch](AttrRecord* record) { batch.add(record); });
  for (std::uint32_t i = 0; i < children_.count(); ++i) child(i)->gatherRecords(batch);
}

void Node::clearOwn() {
  // A short name's storage stays for the next use of the node; the name reads as unset.
  if (nameCapacity_ > kKeptNameCapacity) {
    std::free(name_);
    name_ = inlineName_;
    nameCapacity_ = kInlineNameCapacity;
  }
  nameLength_ = 0;
  attributes_.clear();
  giveBackChildren();
  // So does a small child list's storage, so that a pooled node holds little.
  if (children_.capacity() > kKeptChildCapacity) {
    children_.freeStorage();
  } else {
    children_.clear();
  }
}

void Node::giveBackChildren() {
  // One entry of the pool's lock for all the children rather than one per child.
  std::uint32_t count = children_.count();
  if (count == 0) return;
  std::uint32_t kept =
      s::thread::poolOf<Node>().keepAll(reinterpret_cast<void* const*>(children_.items()), count);
  if (kept < count) deleteAll(children_.items() + kept, count - kept);
  children_.clear();
}

void Node::deleteAll(Node* const* nodes, std::uint32_t n) {
  TextArena::Releaser blocks;
  for (std::uint32_t i = 0; i < n; ++i) {
    Node* node = nodes[i];
    node->~Node();
    blocks.add(node);
  }
}

void Node::walk(const char16_t*) const {
  // Nothing observable to do: the visit exists for callers that expect the operation.
}

const char16_t* Node::parse(const char16_t* text) {
  if (text == nullptr) return nullptr;
  Supply supply;
  return parseDocument(text, text + textLength(text), supply);
}

void Node::parseUtf8(const ArrayU08& bytes) {
  const auto* begin = static_cast<const std::uint8_t*>(bytes.data());
  std::uint32_t count = bytes.count();
  if (count == 0) {
    parse(u"");
    return;
  }
  // A zero byte in the document ends it, like the terminator.
  const auto* zero = static_cast<const std::uint8_t*>(std::memchr(begin, 0, count));
  Supply supply;
  supply.setReadableEnd(begin + count);
  parseDocument(begin, zero != nullptr ? zero : begin + count, supply);
}

template <class Unit>
const Unit* Node::parseDocument(const Unit* at, const Unit* end, Supply& supply) {
  // Files from elsewhere begin with a declaration, comments, or both: the root comes after.
  for (;;) {
    at = skipDeclarations(at, end);
    const Unit* next = parseElement(at, end, 0, supply);
    if (next == at || !isComment()) return next;
    nameLength_ = 0;
    at = next;
  }
}

template <class Unit>
const Unit* Node::parseElement(const Unit* at, const Unit* end, std::uint32_t depth,
                               Supply& supply) {
  at = skipPast(at, end, u'<');
  if (at == end) return at;
  at = skipBlanks(at, end);
  if (at != end && *at == u'!') {
    // The name is the "!--" that opens a comment; nothing more of it is kept.
    at = setCommentName(at, end);
    for (; end - at >= 3; ++at) {
      if (at[0] == u'-' && at[1] == u'-' && at[2] == u'>') return at + 3;
    }
    return end;
  }
  const Unit* nameStart = at;
  while (at != end && !isXmlBlank(*at) && *at != u'/' && *at != u'>') ++at;
  setNameUnits(nameStart, unitsBetween(nameStart, at), end);

  for (;;) {
    at = skipBlanks(at, end);
    if (at == end || *at == u'>' || *at == u'/') break;
    const Unit* attrName = at;
    while (at != end && *at != u'=' && !isXmlBlank(*at)) ++at;
    const Unit* attrNameEnd = at;
    at = findUnit(at, end, u'"');
    if (at == end) return at;
    const Unit* value = ++at;
    at = findUnit(at, end, u'"');
    addRecord(supply, attrName, unitsBetween(attrName, attrNameEnd), value,
              unitsBetween(value, at));
    if (at == end) return at;
    ++at;
  }
  if (at == end) return at;
  if (*at == u'/') return skipPast(at, end, u'>');

  at = skipBlanks(at + 1, end);
  if (at != end && *at != u'<') at = keepText(at, end, supply);
  // A "<" that ends the document opens a child too, one that stays unnamed.
  Supply::Children children(supply, *this);
  while (at != end && *at == u'<' && (at + 1 == end || at[1] != u'/')) {
    if (depth + 1 >= kMaxDepth) return end;
    s::base::Owned<Node> node(supply.takeNode());
    at = node->parseElement(at, end, depth + 1, supply);
    if (node->isComment()) {
      supply.giveBackNode(node.detach());
    } else {
      children.add(node.detach());
    }
    at = skipBlanks(at, end);
    if (at != end && *at != u'<') at = keepText(at, end, supply);
  }
  return skipPast(at, end, u'>');
}

template <class Unit>
const Unit* Node::keepText(const Unit* at, const Unit* end, Supply& supply) {
  const Unit* text = at;
  at = findUnit(at, end, u'<');
  addRecord(supply, text, 0, text, unitsBetween(text, at));
  return at;
}

void Node::addRecord(Supply& supply, const char16_t* name, std::uint32_t nameLength,
                     const char16_t* value, std::uint32_t valueLength) {
  attributes_.append(supply.recordPool().fill(supply.takeRecord(), name, nameLength, value,
                                              valueLength, &supply.texts()));
}

void Node::addRecord(Supply& supply, const std::uint8_t* name, std::uint32_t nameBytes,
                     const std::uint8_t* value, std::uint32_t valueBytes) {
  attributes_.append(supply.recordPool().fillFromUtf8(supply.takeRecord(), supply.texts(), name,
                                                      nameBytes, value, valueBytes,
                                                      supply.readableEnd()));
}

const char16_t* Node::setCommentName(const char16_t* at, const char16_t* end) {
  std::uint32_t length = end - at < 3 ? unitsBetween(at, end) : 3;
  assignName(at, length);
  return at + length;
}

const std::uint8_t* Node::setCommentName(const std::uint8_t* at, const std::uint8_t* end) {
  // Three units, not three bytes: the units after the "!" may be any characters, and the third
  // may be the first half of a pair, as when the whole document is decoded first.
  char16_t units[4];
  std::uint32_t length = 0;
  while (length < 3 && at != end) {
    std::uint32_t produced = 0;
    at += s::str::strbuffer::decodeUtf8Char(at, unitsBetween(at, end), units + length, &produced);
    length += produced;
  }
  assignName(units, length < 3 ? length : 3);
  return at;
}

void Node::reserveName(std::uint32_t length) {
  if (length + 1 <= nameCapacity_) return;
  auto* storage = static_cast<char16_t*>(std::malloc((std::size_t{length} + 1) * sizeof(char16_t)));
  if (storage == nullptr) throw std::bad_alloc();
  if (name_ != inlineName_) std::free(name_);
  name_ = storage;
  nameCapacity_ = length + 1;
}

void Node::setNameUnits(const std::uint8_t* bytes, std::uint32_t count,
                        [[maybe_unused]] const std::uint8_t* end) {
  // The byte count bounds the units.
  reserveName(count);
#if defined(__SSE2__)
  // Most names are a few ASCII letters: widened as one block where the bytes and the storage
  // allow.
  if (count <= 8 && end - bytes >= 16 && nameCapacity_ >= 8) {
    const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    if ((static_cast<unsigned>(_mm_movemask_epi8(sixteen)) & ((1u << count) - 1)) == 0) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(name_),
                       _mm_unpacklo_epi8(sixteen, _mm_setzero_si128()));
      name_[count] = 0;
      nameLength_ = count;
      return;
    }
  }
#endif
  // Most names are a few ASCII letters: widened here rather than through the decoder's call.
  std::uint32_t ascii = 0;
  while (ascii < count && bytes[ascii] < 0x80) {
    name_[ascii] = static_cast<char16_t>(bytes[ascii]);
    ++ascii;
  }
  char16_t* nameEnd = name_ + ascii;
  if (ascii < count) nameEnd = s::str::strbuffer::decodeUtf8(bytes + ascii, count - ascii, nameEnd);
  *nameEnd = 0;
  nameLength_ = static_cast<std::uint32_t>(nameEnd - name_);
}

bool Node::setName(const char16_t* text, std::int32_t count) {
  std::uint32_t length = lengthOf(text, count);
  if (!isWritableElementName(text, length)) return false;
  assignName(text, length);
  return true;
}

void Node::assignName(const char16_t* text, std::uint32_t length) {
  if (length + 1 > nameCapacity_) {
    auto* storage =
        static_cast<char16_t*>(std::malloc((std::size_t{length} + 1) * sizeof(char16_t)));
    if (storage == nullptr) throw std::bad_alloc();
    // Copied before the old storage goes: the text may be this node's own name.
    if (length > 0) std::memcpy(storage, text, length * sizeof(char16_t));
    if (name_ != inlineName_) std::free(name_);
    name_ = storage;
    nameCapacity_ = length + 1;
  } else if (length > 0) {
    std::memmove(name_, text, length * sizeof(char16_t));
  }
  name_[length] = 0;
  nameLength_ = length;
}

bool Node::nameEquals(const char16_t* text, std::int32_t count) const {
  if (text == nullptr) return false;
  if (count < 0) {
    std::uint32_t length = textLength(text);
    if (length != nameLength_) return false;
    for (std::uint32_t i = 0; i < length; ++i) {
      if (foldAscii(name_[i]) != foldAscii(text[i])) return false;
    }
    return true;
  }
  auto length = static_cast<std::uint32_t>(count);
  return length == nameLength_ &&
         (length == 0 || std::memcmp(name_, text, length * sizeof(char16_t)) == 0);
}

Node* Node::addChild(const char16_t* name, std::int32_t count) {
  if (!isWritableElementName(name, lengthOf(name, count))) return nullptr;
  s::base::Owned<Node> node(s::thread::takeFromPool<Node>());
  node->assignName(name, lengthOf(name, count));
  children_.append(node.get());
  return node.detach();
}

void Node::appendChild(IXml* node) {
  if (node == nullptr) return;
  children_.append(static_cast<Node*>(node));
}

void Node::removeChild(std::uint32_t index) {
  if (index < children_.count()) children_.removeAt(index)->release();
}

bool Node::findChildIndex(const char16_t* name, std::uint32_t* index, std::int32_t count) const {
  for (std::uint32_t i = 0; i < children_.count(); ++i) {
    if (child(i)->nameEquals(name, count)) {
      if (index != nullptr) *index = i;
      return true;
    }
  }
  return false;
}

Node* Node::findChild(const char16_t* name, std::int32_t count) const {
  std::uint32_t index = 0;
  return findChildIndex(name, &index, count) ? child(index) : nullptr;
}

// ---- setters ----

namespace {

template <class SetFn>
void setFormatted(Node& node, const char16_t* name, SetFn set) {
  auto text = newStr();
  set(*text);
  node.attributes().add(name, lengthOf(name, -1), text->text(), text->length());
}

}  // namespace

void Node::setAttrInt64(const char16_t* name, std::int64_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setInt64(value); });
}
void Node::setAttrUInt32(const char16_t* name, std::uint32_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setUInt32(value); });
}
void Node::setAttrUInt16(const char16_t* name, std::uint16_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setUInt16(value); });
}
void Node::setAttrUInt8(const char16_t* name, std::uint8_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setUInt8(value); });
}
void Node::setAttrUInt64(const char16_t* name, std::uint64_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.clear(), text.appendUInt64(value); });
}
void Node::setAttrInt32(const char16_t* name, std::int32_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setInt32(value); });
}
void Node::setAttrInt16(const char16_t* name, std::int16_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setInt16(value); });
}
void Node::setAttrInt8(const char16_t* name, std::int8_t value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setInt8(value); });
}
void Node::setAttrFloat(const char16_t* name, float value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setFloat(value); });
}
void Node::setAttrDouble(const char16_t* name, double value) {
  setFormatted(*this, name, [value](StrBuffer& text) { text.setDouble(value); });
}

void Node::setAttrText(const char16_t* name, const char16_t* value) {
  std::uint32_t nameLength = lengthOf(name, -1);
  std::uint32_t valueLength = lengthOf(value, -1);
  auto stored = newStr();
  if (nameLength == 0) {
    appendEscapedText(*stored, value, valueLength);
  } else {
    appendEscapedAttribute(*stored, value, valueLength);
  }
  attributes_.add(name, nameLength, stored->text(), stored->length());
}

void Node::setAttrHex64(const char16_t* name, const std::uint64_t* values, std::uint32_t count) {
  setFormatted(*this, name, [&](StrBuffer& text) { text.setHex64(values, count); });
}
void Node::setAttrHex32(const char16_t* name, const std::uint32_t* values, std::uint32_t count) {
  setFormatted(*this, name, [&](StrBuffer& text) { text.setHex32(values, count); });
}
void Node::setAttrHex16(const char16_t* name, const std::uint16_t* values, std::uint32_t count) {
  setFormatted(*this, name, [&](StrBuffer& text) { text.setHex16(values, count); });
}
void Node::setAttrHex8(const char16_t* name, const std::uint8_t* values, std::uint32_t count) {
  setFormatted(*this, name, [&](StrBuffer& text) { text.setHex8(values, count); });
}
void Node::setAttrHex32Pairs(const char16_t* name, const std::uint32_t* values,
                             std::uint32_t count) {
  setFormatted(*this, name, [&](StrBuffer& text) {
    text.clear();
    text.appendHex32Pairs(values, count);
  });
}

// ---- getters ----

bool Node::getBool(const char16_t* name, bool defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  if (value == nullptr) return defaultValue;
  return value[0] == u'1' ||
         (value[0] == u't' && value[1] == u'r' && value[2] == u'u' && value[3] == u'e');
}

std::int8_t Node::getInt8(const char16_t* name, std::int8_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : saturated<std::int8_t>(parseSigned(value));
}
std::int16_t Node::getInt16(const char16_t* name, std::int16_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : saturated<std::int16_t>(parseSigned(value));
}
std::int32_t Node::getInt32(const char16_t* name, std::int32_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : saturated<std::int32_t>(parseSigned(value));
}
std::int64_t Node::getInt64(const char16_t* name, std::int64_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : parseSigned(value);
}
std::uint8_t Node::getUInt8(const char16_t* name, std::uint8_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : saturated<std::uint8_t>(parseUnsigned(value));
}
std::uint16_t Node::getUInt16(const char16_t* name, std::uint16_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : saturated<std::uint16_t>(parseUnsigned(value));
}
std::uint32_t Node::getUInt32(const char16_t* name, std::uint32_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : saturated<std::uint32_t>(parseUnsigned(value));
}
std::uint64_t Node::getUInt64(const char16_t* name, std::uint64_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : parseUnsigned(value);
}

StrBuffer& Node::getText(StrBuffer& buffer, const char16_t* name, const char16_t* defaultValue,
                         bool append) const {
  if (!append) buffer.clear();
  const AttrRecord* record = attributes_.findRecord(name, lengthOf(name, -1));
  if (record == nullptr) {
    if (defaultValue != nullptr) buffer.appendText(defaultValue);
  } else if (record->nameLength == 0) {
    appendDecodedText(buffer, record->value, record->valueLength);
  } else {
    appendDecodedAttribute(buffer, record->value, record->valueLength);
  }
  return buffer;
}

// ---- writing ----

void Node::serializeInto(StrBuffer& out) const {
  out.appendChar(u'<').appendUnits(name(), nameLength_);
  const AttrRecord* text = nullptr;
  for (std::uint32_t i = 0; i < attributes_.count(); ++i) {
    const AttrRecord& record = attributes_.at(i);
    if (record.nameLength == 0) {
      if (text == nullptr) text = &record;
      continue;
    }
    out.appendChar(u' ').appendUnits(record.name, record.nameLength);
    out.appendText(u"=\"").appendUnits(record.value, record.valueLength).appendChar(u'"');
  }
  out.appendChar(u'>');
  if (text != nullptr) out.appendUnits(text->value, text->valueLength);
  for (std::uint32_t i = 0; i < children_.count(); ++i) child(i)->serializeInto(out);
  out.appendText(u"</").appendUnits(name(), nameLength_).appendChar(u'>');
}

StrBuffer* Node::serialize(StrBuffer* buffer, bool append) const {
  if (buffer == nullptr) {
    buffer = newStr().detach();
  } else if (!append) {
    buffer->clear();
  }
  serializeInto(*buffer);
  return buffer;
}

IXml::ArrayU08* Node::serializeUtf8(ArrayU08* bytes, bool append) const {
  auto text = newStr();
  serializeInto(*text);
  if (bytes == nullptr) {
    bytes = s::thread::takeFromPool<ArrayU08>();
    append = false;
  }
  text->toUtf8Unterminated(*bytes, append);
  return bytes;
}

bool Node::loadFile(const char16_t* path) { return load(s::file::Path(path)); }

bool Node::load(const s::file::Path& path) {
  auto bytes = s::thread::obtain<ArrayU08>();
  if (!path.readAll(*bytes)) return false;
  parseUtf8(*bytes);
  return true;
}

bool Node::saveFile(const char16_t* path) const { return save(s::file::Path(path)); }

bool Node::save(const s::file::Path& path) const {
  s::file::Path folder = path.folder();
  if (!folder.createFolders()) return false;
  s::base::Owned<ArrayU08> bytes(serializeUtf8(nullptr, false));
  return path.writeAll(bytes->data(), bytes->count());
}

}  // namespace s::xml
