#include "s/xml/MappedData.h"

#include "s/map/SectionText.h"
#include "s/thread/Pool.h"
#include "s/xml/Names.h"

namespace s::xml {

using s::map::isSameSection;
using s::map::textOrEmpty;
using s::str::strbuffer::newStr;
using s::str::strbuffer::textLength;

namespace {

constexpr char16_t kRootName[] = u"savedata";

bool isSeparator(char16_t unit) { return unit == u'\\' || unit == u'/'; }

}  // namespace

MappedData::MappedData()
    : filePath_(newStr()), root_(newNode()), currentSection_(newStr()), result_(newStr()) {
  root_->setName(kRootName);
}

MappedData::~MappedData() = default;

s::base::IObject* MappedData::newInstance() const { return s::thread::takeFromPool<MappedData>(); }

void MappedData::release() { s::thread::giveBackToPool(this); }

void MappedData::reset() {
  filePath_->clear();
  root_->clear();
  root_->setName(kRootName);
  currentSection_->clear();
  currentNode_ = nullptr;
  autoSave_ = false;
  result_->clear();
}

void MappedData::attach(const char16_t* path) {
  reset();
  filePath_->setText(textOrEmpty(path));
  if (!filePath_->isEmpty() && root_->loadFile(filePath_->text())) {
    // A file without a root element reads as an unnamed node.
    if (root_->nameLength() == 0) {
      root_->clear();
      root_->setName(kRootName);
    }
  } else {
    root_->clear();
    root_->setName(kRootName);
  }
}

void MappedData::save() {
  if (!filePath_->isEmpty()) root_->saveFile(filePath_->text());
}

namespace {

// Whether every part of the section path can be an element name: a section the document could
// not carry is not made at all, rather than made down to the part that fails.
bool isWritableSection(const char16_t* at) {
  while (*at != 0) {
    while (isSeparator(*at)) ++at;
    const char16_t* start = at;
    while (*at != 0 && !isSeparator(*at)) ++at;
    if (!isWritableElementName(start, static_cast<std::uint32_t>(at - start))) return false;
  }
  return true;
}

}  // namespace

Node* MappedData::findSection(const char16_t* section, bool create, Node** parent,
                              std::uint32_t* index) {
  Node* node = root_.get();
  *parent = nullptr;
  *index = 0;
  const char16_t* at = textOrEmpty(section);
  if (create && !isWritableSection(at)) return nullptr;
  while (*at != 0) {
    while (isSeparator(*at)) ++at;
    const char16_t* start = at;
    while (*at != 0 && !isSeparator(*at)) ++at;
    if (at == start) break;
    // findChild's whole-name form ignores case; it needs the part as a terminated text.
    auto part = newStr();
    part->appendUnits(start, static_cast<std::uint32_t>(at - start));
    std::uint32_t childIndex = 0;
    if (!node->findChildIndex(part->text(), &childIndex, -1)) {
      if (!create ||
          node->addChild(part->text(), static_cast<std::int32_t>(part->length())) == nullptr) {
        return nullptr;
      }
      childIndex = node->childCount() - 1;
    }
    *parent = node;
    *index = childIndex;
    node = node->child(childIndex);
  }
  return node;
}

void MappedData::selectSection(const char16_t* section) {
  currentSection_->setText(textOrEmpty(section));
  Node* parent = nullptr;
  std::uint32_t index = 0;
  currentNode_ = findSection(section, false, &parent, &index);
}

bool MappedData::openSectionForRead(const char16_t* section) {
  if (isSameSection(*currentSection_, section) && currentNode_ != nullptr) return true;
  selectSection(section);
  return currentNode_ != nullptr;
}

bool MappedData::openSectionForWrite(const char16_t* section) {
  if (openSectionForRead(section)) return true;
  Node* parent = nullptr;
  std::uint32_t index = 0;
  currentSection_->setText(textOrEmpty(section));
  currentNode_ = findSection(section, true, &parent, &index);
  if (autoSave_) save();
  return currentNode_ != nullptr;
}

void MappedData::deleteSection(const char16_t* section) {
  currentSection_->setText(textOrEmpty(section));
  currentNode_ = nullptr;
  Node* parent = nullptr;
  std::uint32_t index = 0;
  Node* node = findSection(section, false, &parent, &index);
  if (node != nullptr) {
    if (parent != nullptr) {
      parent->removeChild(index);
    } else {
      // The empty section is the whole store: the root stays, empty.
      root_->clear();
      root_->setName(kRootName);
    }
  }
  if (autoSave_) save();
}

bool MappedData::hasValue(const char16_t* section, const char16_t* name) {
  const char16_t* key = textOrEmpty(name);
  return openSectionForRead(section) &&
         currentNode_->attributes().find(key, textLength(key)) != Attributes::kNotFound;
}

const char16_t* MappedData::storedValue(const char16_t* section, const char16_t* name) {
  if (!openSectionForRead(section)) return nullptr;
  const char16_t* key = textOrEmpty(name);
  const AttrRecord* record = currentNode_->attributes().findRecord(key, textLength(key));
  return record != nullptr ? record->value : nullptr;
}

// The node's own getters parse the stored decimal text; a missing section gives the default.
#define S_XML_MAPPED_GETTER(Type, Name)                                                     \
  Type MappedData::Name(const char16_t* section, const char16_t* name, Type defaultValue) { \
    if (!openSectionForRead(section)) return defaultValue;                                  \
    return currentNode_->Name(textOrEmpty(name), defaultValue);                             \
  }

S_XML_MAPPED_GETTER(std::uint8_t, getUInt8)
S_XML_MAPPED_GETTER(std::uint16_t, getUInt16)
S_XML_MAPPED_GETTER(std::uint32_t, getUInt32)
S_XML_MAPPED_GETTER(std::uint64_t, getUInt64)
S_XML_MAPPED_GETTER(std::int8_t, getInt8)
S_XML_MAPPED_GETTER(std::int16_t, getInt16)
S_XML_MAPPED_GETTER(std::int32_t, getInt32)
S_XML_MAPPED_GETTER(std::int64_t, getInt64)
S_XML_MAPPED_GETTER(bool, getBool)
#undef S_XML_MAPPED_GETTER

double MappedData::getDouble(const char16_t* section, const char16_t* name, double defaultValue) {
  const char16_t* value = storedValue(section, name);
  if (value == nullptr) return defaultValue;
  return newStr(value)->toFloat();
}

float MappedData::getFloat(const char16_t* section, const char16_t* name, float defaultValue) {
  return static_cast<float>(getDouble(section, name, defaultValue));
}

const char16_t* MappedData::getString(const char16_t* section, const char16_t* name,
                                      const char16_t* defaultValue, bool* wasExpandable, bool) {
  if (wasExpandable != nullptr) *wasExpandable = false;
  if (!openSectionForRead(section)) {
    result_->setText(textOrEmpty(defaultValue));
  } else {
    currentNode_->getText(*result_, textOrEmpty(name), textOrEmpty(defaultValue), false);
  }
  return result_->text();
}

s::base::Owned<MappedData::StrArray> MappedData::getStringList(const char16_t*, const char16_t*) {
  return nullptr;
}

MappedData::ArrayU08* MappedData::getBinary(const char16_t* section, const char16_t* name,
                                            ArrayU08* bytes) {
  const char16_t* value = storedValue(section, name);
  if (value == nullptr) return nullptr;
  if (bytes == nullptr) bytes = s::thread::takeFromPool<ArrayU08>();
  newStr(value)->hexToBytes(*bytes, false);
  return bytes;
}

void MappedData::deleteValue(const char16_t* section, const char16_t* name) {
  if (!openSectionForRead(section)) return;
  const char16_t* key = textOrEmpty(name);
  currentNode_->attributes().removeAll(key, textLength(key));
  if (autoSave_) save();
}

Node* MappedData::prepareWrite(const char16_t* section, const char16_t* name) {
  if (!openSectionForWrite(section)) return nullptr;
  const char16_t* key = textOrEmpty(name);
  // A store holds one value per name: the old record goes before the new one is added.
  currentNode_->attributes().removeAll(key, textLength(key));
  return currentNode_;
}

void MappedData::afterWrite() {
  if (autoSave_) save();
}

#define S_XML_MAPPED_SETTER(Type, Name, NodeSetter)                                           \
  void MappedData::Name(const char16_t* section, const char16_t* name, Type value) {          \
    if (Node* node = prepareWrite(section, name)) node->NodeSetter(textOrEmpty(name), value); \
    afterWrite();                                                                             \
  }

S_XML_MAPPED_SETTER(std::uint8_t, setUInt8, setAttrUInt8)
S_XML_MAPPED_SETTER(std::uint16_t, setUInt16, setAttrUInt16)
S_XML_MAPPED_SETTER(std::uint32_t, setUInt32, setAttrUInt32)
S_XML_MAPPED_SETTER(std::uint64_t, setUInt64, setAttrUInt64)
S_XML_MAPPED_SETTER(std::int8_t, setInt8, setAttrInt8)
S_XML_MAPPED_SETTER(std::int16_t, setInt16, setAttrInt16)
S_XML_MAPPED_SETTER(std::int32_t, setInt32, setAttrInt32)
S_XML_MAPPED_SETTER(std::int64_t, setInt64, setAttrInt64)
S_XML_MAPPED_SETTER(float, setFloat, setAttrFloat)
S_XML_MAPPED_SETTER(double, setDouble, setAttrDouble)
S_XML_MAPPED_SETTER(const char16_t*, setString, setAttrText)
S_XML_MAPPED_SETTER(const char16_t*, setExpandString, setAttrText)
#undef S_XML_MAPPED_SETTER

void MappedData::setBool(const char16_t* section, const char16_t* name, bool value) {
  setUInt32(section, name, value ? 1u : 0u);
}

void MappedData::setStringList(const char16_t*, const char16_t*, const StrArray&) { afterWrite(); }

void MappedData::setBinary(const char16_t* section, const char16_t* name, const std::uint8_t* bytes,
                           std::uint32_t count) {
  if (Node* node = prepareWrite(section, name)) node->setAttrHex8(textOrEmpty(name), bytes, count);
  afterWrite();
}

s::base::Owned<MappedData> OpenXmlStore(const char16_t* file) {
  auto store = s::thread::obtain<MappedData>();
  store->attach(file);
  return store;
}

}  // namespace s::xml
