#include "s/xml/Node.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "s/file/Path.h"
#include "s/thread/Pool.h"
#include "s/xml/Entities.h"

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

// The unsigned base-10 reading: a minus sign negates modulo 2^64, too many digits saturate.
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
  return negative ? 0 - value : value;
}

// The stored form of the first record with that name, or null.
const char16_t* storedValue(const Attributes& attributes, const char16_t* name) {
  const AttrRecord* record = attributes.findRecord(name, lengthOf(name, -1));
  return record != nullptr ? record->value : nullptr;
}

// Past the element's layout blanks; text up to the next "<" is kept.
const char16_t* skipBlanks(const char16_t* at) {
  while (isXmlBlank(*at)) ++at;
  return at;
}

const char16_t* skipPast(const char16_t* at, char16_t unit) {
  while (*at != 0 && *at != unit) ++at;
  return *at == 0 ? at : at + 1;
}

}  // namespace

s::base::Owned<Node> newNode() { return s::thread::obtain<Node>(); }

Node::Node() { children_.setElementReleaser(&s::thread::poolOf<Node>()); }

Node::~Node() {
  children_.free();
  std::free(name_);
}

s::base::IObject* Node::newInstance() const { return s::thread::takeFromPool<Node>(); }

void Node::release() { s::thread::giveBackToPool(this); }

void Node::clear() {
  // A short name's storage stays for the next use of the node; the name reads as unset.
  if (nameCapacity_ > kKeptNameCapacity) {
    std::free(name_);
    name_ = nullptr;
    nameCapacity_ = 0;
  }
  nameLength_ = 0;
  attributes_.clear();
  // So does a small child list's storage, so that a pooled node holds little.
  if (children_.capacity() > kKeptChildCapacity) {
    children_.free();
  } else {
    children_.clear();
  }
}

void Node::walk(const char16_t*) const {
  // Nothing observable to do: the visit exists for callers that expect the operation.
}

const char16_t* Node::parse(const char16_t* text) {
  if (text == nullptr) return nullptr;
  return parseElement(text, 0);
}

void Node::parseUtf8(const ArrayU08& bytes) {
  auto text = newStr();
  if (bytes.count() > 0) {
    text->fromUtf8(static_cast<const char*>(bytes.data()), false, bytes.count());
  }
  // A zero byte in the document ends it, like the terminator.
  parse(text->text());
}

const char16_t* Node::parseElement(const char16_t* at, std::uint32_t depth) {
  at = skipPast(at, u'<');
  if (*at == 0) return at;
  at = skipBlanks(at);
  const char16_t* nameStart = at;
  if (*at == u'!') {
    // The name is the "!--" that opens a comment; nothing more of it is kept.
    for (int k = 0; k < 3 && *at != 0; ++k) ++at;
    setName(nameStart, static_cast<std::int32_t>(at - nameStart));
    for (; *at != 0; ++at) {
      if (at[0] == u'-' && at[1] == u'-' && at[2] == u'>') return at + 3;
    }
    return at;
  }
  while (*at != 0 && !isXmlBlank(*at) && *at != u'/' && *at != u'>') ++at;
  setName(nameStart, static_cast<std::int32_t>(at - nameStart));

  for (;;) {
    at = skipBlanks(at);
    if (*at == 0 || *at == u'>' || *at == u'/') break;
    const char16_t* attrName = at;
    while (*at != 0 && *at != u'=' && !isXmlBlank(*at)) ++at;
    auto attrNameLength = static_cast<std::uint32_t>(at - attrName);
    while (*at != 0 && *at != u'"') ++at;
    if (*at == 0) return at;
    const char16_t* value = ++at;
    while (*at != 0 && *at != u'"') ++at;
    attributes_.add(attrName, attrNameLength, value, static_cast<std::uint32_t>(at - value));
    if (*at == 0) return at;
    ++at;
  }
  if (*at == 0) return at;
  if (*at == u'/') return skipPast(at, u'>');

  at = skipBlanks(at + 1);
  if (*at != 0 && *at != u'<') at = skipToTag(at);
  while (*at == u'<' && at[1] != u'/') {
    if (depth + 1 >= kMaxDepth) {
      while (*at != 0) ++at;
      return at;
    }
    s::base::Owned<Node> node(s::thread::takeFromPool<Node>());
    at = node->parseElement(at, depth + 1);
    if (!node->isComment()) {
      children_.appendPointer(node.get());
      node.detach();
    }
    at = skipBlanks(at);
    if (*at != 0 && *at != u'<') at = skipToTag(at);
  }
  return skipPast(at, u'>');
}

const char16_t* Node::skipToTag(const char16_t* at) {
  const char16_t* text = at;
  while (*at != 0 && *at != u'<') ++at;
  attributes_.add(u"", 0, text, static_cast<std::uint32_t>(at - text));
  return at;
}

void Node::setName(const char16_t* text, std::int32_t count) {
  std::uint32_t length = lengthOf(text, count);
  if (length + 1 > nameCapacity_ || name_ == nullptr) {
    auto* storage =
        static_cast<char16_t*>(std::malloc((std::size_t{length} + 1) * sizeof(char16_t)));
    if (storage == nullptr) throw std::bad_alloc();
    // Copied before the old storage goes: the text may be this node's own name.
    if (length > 0) std::memcpy(storage, text, length * sizeof(char16_t));
    std::free(name_);
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
  s::base::Owned<Node> node(s::thread::takeFromPool<Node>());
  node->setName(name, count);
  children_.appendPointer(node.get());
  return node.detach();
}

void Node::appendChild(IXml* node) {
  if (node == nullptr) return;
  children_.appendPointer(static_cast<Node*>(node));
}

void Node::removeChild(std::uint32_t index) {
  if (index < children_.count()) children_.removeAt(index);
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
  return value == nullptr ? defaultValue : static_cast<std::int8_t>(parseSigned(value));
}
std::int16_t Node::getInt16(const char16_t* name, std::int16_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : static_cast<std::int16_t>(parseSigned(value));
}
std::int32_t Node::getInt32(const char16_t* name, std::int32_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : static_cast<std::int32_t>(parseSigned(value));
}
std::int64_t Node::getInt64(const char16_t* name, std::int64_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : parseSigned(value);
}
std::uint8_t Node::getUInt8(const char16_t* name, std::uint8_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : static_cast<std::uint8_t>(parseUnsigned(value));
}
std::uint16_t Node::getUInt16(const char16_t* name, std::uint16_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : static_cast<std::uint16_t>(parseUnsigned(value));
}
std::uint32_t Node::getUInt32(const char16_t* name, std::uint32_t defaultValue) const {
  const char16_t* value = storedValue(attributes_, name);
  return value == nullptr ? defaultValue : static_cast<std::uint32_t>(parseUnsigned(value));
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
