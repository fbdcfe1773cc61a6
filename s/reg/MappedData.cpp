#include "s/reg/MappedData.h"

#include "s/map/SectionText.h"
#include "s/reg/NativeApi.h"
#include "s/thread/Pool.h"

namespace s::reg {

using s::base::Owned;
using s::map::isSameSection;
using s::map::textOrEmpty;
using s::str::strbuffer::newStr;
using win::RegDir;

MappedData::MappedData() : scratchPath_(newStr()), currentSection_(newStr()), result_(newStr()) {}

MappedData::~MappedData() = default;

s::base::IObject* MappedData::newInstance() const { return s::thread::takeFromPool<MappedData>(); }

void MappedData::release() { s::thread::giveBackToPool(this); }

void MappedData::reset() {
  sectionKey_.reset();
  baseKey_.reset();
  scratchPath_->clear();
  currentSection_->clear();
  autoSave_ = false;
  result_->clear();
}

void MappedData::attach(const char16_t* path) {
  sectionKey_.reset();
  baseKey_ = OpenRegDir(kHkeyCurrentUser, textOrEmpty(path));
  selectSection(u"");
}

void MappedData::selectSection(const char16_t* section) {
  currentSection_->setText(textOrEmpty(section));
  sectionKey_.reset();
  if (!baseKey_) return;
  // Empty parts (a leading, doubled or trailing "\") would make a name the registry refuses,
  // and the write would be lost: they are skipped.
  scratchPath_->setStr(baseKey_->path());
  const char16_t* at = currentSection_->text();
  while (*at != 0) {
    while (*at == u'\\') ++at;
    const char16_t* start = at;
    while (*at != 0 && *at != u'\\') ++at;
    if (at == start) break;
    if (!scratchPath_->isEmpty()) scratchPath_->appendChar(u'\\');
    scratchPath_->appendUnits(start, static_cast<std::uint32_t>(at - start));
  }
  sectionKey_ = OpenRegDir(baseKey_->root(), scratchPath_->text());
}

void MappedData::save() {}

bool MappedData::openSectionForRead(const char16_t* section) {
  // A held key that is not open may belong to a section created since: look again.
  if (sectionKey_ && sectionKey_->isOpen() && isSameSection(*currentSection_, section)) {
    return true;
  }
  selectSection(section);
  return sectionKey_ && sectionKey_->isOpen();
}

bool MappedData::openSectionForWrite(const char16_t* section) {
  if (!sectionKey_ || !isSameSection(*currentSection_, section)) selectSection(section);
  if (!sectionKey_) return false;
  // Reopening by name notices a section deleted behind the held handle; it is created again.
  if (sectionKey_->reopen()) return true;
  NtStatus status = sectionKey_->create();
  if (autoSave_) save();
  return ntSuccess(status);
}

void MappedData::deleteSection(const char16_t* section) {
  selectSection(section);
  // A store on the root of the hive itself would take every key of the user with it.
  if (sectionKey_ && sectionKey_->isOpen() && !scratchPath_->isEmpty()) {
    (void)sectionKey_->deleteTree(true);
  }
  sectionKey_.reset();
  if (autoSave_) save();
}

RegDir* MappedData::readKey(const char16_t* section) {
  return openSectionForRead(section) ? sectionKey_.get() : nullptr;
}

bool MappedData::hasValue(const char16_t* section, const char16_t* name) {
  RegDir* key = readKey(section);
  return key != nullptr && key->queryValue(textOrEmpty(name), nullptr, nullptr, -1);
}

template <class T>
T MappedData::read(const char16_t* section, const char16_t* name, T defaultValue,
                   T (RegDir::*getter)(const char16_t*, T)) {
  RegDir* key = readKey(section);
  return key != nullptr ? (key->*getter)(textOrEmpty(name), defaultValue) : defaultValue;
}

std::uint8_t MappedData::getUInt8(const char16_t* section, const char16_t* name,
                                  std::uint8_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getUInt8);
}

std::uint16_t MappedData::getUInt16(const char16_t* section, const char16_t* name,
                                    std::uint16_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getUInt16);
}

std::uint32_t MappedData::getUInt32(const char16_t* section, const char16_t* name,
                                    std::uint32_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getUInt32);
}

std::uint64_t MappedData::getUInt64(const char16_t* section, const char16_t* name,
                                    std::uint64_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getUInt64);
}

std::int8_t MappedData::getInt8(const char16_t* section, const char16_t* name,
                                std::int8_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getInt8);
}

std::int16_t MappedData::getInt16(const char16_t* section, const char16_t* name,
                                  std::int16_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getInt16);
}

std::int32_t MappedData::getInt32(const char16_t* section, const char16_t* name,
                                  std::int32_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getInt32);
}

std::int64_t MappedData::getInt64(const char16_t* section, const char16_t* name,
                                  std::int64_t defaultValue) {
  return read(section, name, defaultValue, &RegDir::getInt64);
}

float MappedData::getFloat(const char16_t* section, const char16_t* name, float defaultValue) {
  return read(section, name, defaultValue, &RegDir::getFloat);
}

double MappedData::getDouble(const char16_t* section, const char16_t* name, double defaultValue) {
  return read(section, name, defaultValue, &RegDir::getDouble);
}

bool MappedData::getBool(const char16_t* section, const char16_t* name, bool defaultValue) {
  return read(section, name, defaultValue, &RegDir::getBool);
}

const char16_t* MappedData::getString(const char16_t* section, const char16_t* name,
                                      const char16_t* defaultValue, bool* wasExpandable,
                                      bool expand) {
  if (wasExpandable != nullptr) *wasExpandable = false;
  RegDir* key = readKey(section);
  const char16_t* text =
      key != nullptr ? key->getString(textOrEmpty(name), defaultValue, wasExpandable, expand)
                     : defaultValue;
  // The key's buffers go with the key at the next change of section, which a caller passing
  // this text on to a setter of another section would otherwise read after it is freed.
  if (text != result_->text()) result_->setText(text);
  return result_->text();
}

Owned<MappedData::StrArray> MappedData::getStringList(const char16_t*, const char16_t*) {
  return nullptr;
}

MappedData::ArrayU08* MappedData::getBinary(const char16_t* section, const char16_t* name,
                                            ArrayU08* bytes) {
  RegDir* key = readKey(section);
  if (key == nullptr) return nullptr;
  if (bytes != nullptr) return key->getBinary(textOrEmpty(name), *bytes) ? bytes : nullptr;
  return key->getBinary(textOrEmpty(name)).detach();
}

void MappedData::deleteValue(const char16_t* section, const char16_t* name) {
  if (RegDir* key = readKey(section)) (void)key->deleteValue(textOrEmpty(name));
  afterWrite();
}

void MappedData::afterWrite() {
  if (autoSave_) save();
}

template <class T>
void MappedData::write(const char16_t* section, const char16_t* name, T value,
                       NtStatus (RegDir::*setter)(const char16_t*, T)) {
  // A failed write leaves the registry as it was; no caller acts on it.
  if (openSectionForWrite(section)) (void)(sectionKey_.get()->*setter)(textOrEmpty(name), value);
  afterWrite();
}

void MappedData::setUInt8(const char16_t* section, const char16_t* name, std::uint8_t value) {
  write(section, name, value, &RegDir::setUInt8);
}

void MappedData::setUInt16(const char16_t* section, const char16_t* name, std::uint16_t value) {
  write(section, name, value, &RegDir::setUInt16);
}

void MappedData::setUInt32(const char16_t* section, const char16_t* name, std::uint32_t value) {
  write(section, name, value, &RegDir::setUInt32);
}

void MappedData::setUInt64(const char16_t* section, const char16_t* name, std::uint64_t value) {
  write(section, name, value, &RegDir::setUInt64);
}

void MappedData::setInt8(const char16_t* section, const char16_t* name, std::int8_t value) {
  write(section, name, value, &RegDir::setInt8);
}

void MappedData::setInt16(const char16_t* section, const char16_t* name, std::int16_t value) {
  write(section, name, value, &RegDir::setInt16);
}

void MappedData::setInt32(const char16_t* section, const char16_t* name, std::int32_t value) {
  write(section, name, value, &RegDir::setInt32);
}

void MappedData::setInt64(const char16_t* section, const char16_t* name, std::int64_t value) {
  write(section, name, value, &RegDir::setInt64);
}

void MappedData::setFloat(const char16_t* section, const char16_t* name, float value) {
  write(section, name, value, &RegDir::setFloat);
}

void MappedData::setDouble(const char16_t* section, const char16_t* name, double value) {
  write(section, name, value, &RegDir::setDouble);
}

void MappedData::setBool(const char16_t* section, const char16_t* name, bool value) {
  write(section, name, value, &RegDir::setBool);
}

void MappedData::setString(const char16_t* section, const char16_t* name, const char16_t* value) {
  write(section, name, textOrEmpty(value), &RegDir::setString);
}

void MappedData::setExpandString(const char16_t* section, const char16_t* name,
                                 const char16_t* value) {
  write(section, name, textOrEmpty(value), &RegDir::setExpandString);
}

void MappedData::setStringList(const char16_t*, const char16_t*, const StrArray&) { afterWrite(); }

void MappedData::setBinary(const char16_t* section, const char16_t* name, const std::uint8_t* bytes,
                           std::uint32_t count) {
  if (bytes == nullptr) count = 0;
  if (openSectionForWrite(section)) {
    (void)sectionKey_->setValue(textOrEmpty(name), kRegBinary, bytes, count);
  }
  afterWrite();
}

s::base::Owned<MappedData> OpenRegistryStore(const char16_t* path) {
  Owned<MappedData> store = s::thread::obtain<MappedData>();
  if (!store->isAttached()) store->attach(path);
  return store;
}

}  // namespace s::reg
