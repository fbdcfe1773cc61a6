#include "s/reg/RegDir.h"

#include <cstring>

#include "s/col/Growth.h"
#include "s/thread/Lock.h"
#include "s/thread/Pool.h"

namespace s::reg::win {

namespace {

using s::base::Owned;
using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;

// OBJECT_ATTRIBUTES: 24 bytes in 32-bit processes, 48 in 64-bit ones.
static_assert(sizeof(NtObjectAttributes) == 6 * sizeof(void*), "OBJECT_ATTRIBUTES layout");

// The three process-wide buffers of the native calls, each under its own lock for the call and
// the copy out of it.
struct SharedBuffer {
  s::thread::Lock lock;
  std::uint8_t* data = nullptr;
  std::uint32_t size = 0;
};

SharedBuffer* newSharedBuffer(std::uint32_t size) {
  auto* buffer = new SharedBuffer();
  buffer->data = static_cast<std::uint8_t*>(s::col::allocateOrDie(size));
  buffer->size = size;
  return buffer;
}

// Each made by the initialisation of a local static, which the language runs once even when
// threads arrive together; never destroyed, as keys may still be read by exit handlers.
SharedBuffer& queryBuffer() {
  static SharedBuffer* const buffer = newSharedBuffer(RegDir::kInitialQueryBufferSize);
  return *buffer;
}

SharedBuffer& keyEnumerationBuffer() {
  static SharedBuffer* const buffer = newSharedBuffer(RegDir::kEnumerationBufferSize);
  return *buffer;
}

SharedBuffer& valueEnumerationBuffer() {
  static SharedBuffer* const buffer = newSharedBuffer(RegDir::kEnumerationBufferSize);
  return *buffer;
}

std::uint32_t read32(const std::uint8_t* bytes) {
  std::uint32_t value;
  std::memcpy(&value, bytes, 4);
  return value;
}

const NativeTable& table() { return nativeLayer().table; }

// Root names in the order a full name is matched against them.
struct RootName {
  const char16_t* name;
  std::uint32_t root;
};
const RootName kRootsByName[] = {{u"HKEY_USERS", kHkeyUsers},
                                 {u"HKEY_LOCAL_MACHINE", kHkeyLocalMachine},
                                 {u"HKEY_CURRENT_USER", kHkeyCurrentUser},
                                 {u"HKEY_CURRENT_CONFIG", kHkeyCurrentConfig},
                                 {u"HKEY_CLASSES_ROOT", kHkeyClassesRoot}};

}  // namespace

RegDir::RegDir()
    : nativeReady_(nativeLayer().ready),
      rootName_(newStr()),
      nativeRoot_(newStr()),
      path_(newStr()),
      fullName_(newStr()),
      nativeName_(newStr()) {
  setRoot(kHkeyLocalMachine);
}

RegDir::~RegDir() { close(); }

s::base::IObject* RegDir::newInstance() const { return s::thread::takeFromPool<RegDir>(); }

void RegDir::release() { s::thread::giveBackToPool(this); }

void RegDir::reset() {
  close();
  access_ = kKeyAllAccess;
  setRoot(kHkeyLocalMachine);
  path_->clear();
  fullName_->clear();
  nativeName_->clear();
  nativeNameString_ = NtUnicodeString{};
  attributes_ = NtObjectAttributes{};
  valueBuffer_.free();
  expansionBuffer_.free();
}

void RegDir::setRoot(std::uint32_t root) {
  root_ = root;
  switch (root) {
    case kHkeyClassesRoot:
      rootName_->setText(u"HKEY_CLASSES_ROOT");
      nativeRoot_->setText(u"\\Registry\\Machine\\SOFTWARE\\Classes");
      break;
    case kHkeyCurrentUser: {
      rootName_->setText(u"HKEY_CURRENT_USER");
      const NativeLayer& layer = nativeLayer();
      if (layer.userSidKnown) {
        nativeRoot_->setText(u"\\Registry\\User\\").appendText(layer.userSid);
      } else {
        nativeRoot_->setText(u"\\Registry\\Machine");
      }
      break;
    }
    case kHkeyLocalMachine:
      rootName_->setText(u"HKEY_LOCAL_MACHINE");
      nativeRoot_->setText(u"\\Registry\\Machine");
      break;
    case kHkeyUsers:
      rootName_->setText(u"HKEY_USERS");
      nativeRoot_->setText(u"\\Registry\\User");
      break;
    case kHkeyCurrentConfig:
      rootName_->setText(u"HKEY_CURRENT_CONFIG");
      nativeRoot_->setText(
          u"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current");
      break;
    default:
      break;
  }
}

void RegDir::buildNames() {
  fullName_->setStr(*rootName_).appendChar(u'\\').appendStr(*path_);
  nativeName_->setStr(*nativeRoot_).appendChar(u'\\').appendStr(*path_);
  if (nativeReady_) {
    table().initUnicodeString(&nativeNameString_, nativeName_->text());
  } else {
    nativeNameString_.buffer = nativeName_->data();
    nativeNameString_.length = static_cast<std::uint16_t>(2 * nativeName_->length());
    nativeNameString_.maximumLength = nativeNameString_.length;
  }
  // The root itself has no trailing separator in the object namespace.
  if (path_->isEmpty())
    nativeNameString_.length = static_cast<std::uint16_t>(nativeNameString_.length - 2);
  // A counted string holds at most 32767 units; a longer name must not wrap into a shorter one.
  if (nativeName_->length() > 32767) nativeNameString_.length = 0;
  attributes_.length = sizeof(NtObjectAttributes);
  attributes_.rootDirectory = nullptr;
  attributes_.objectName = &nativeNameString_;
  attributes_.attributes = kObjCaseInsensitive;
  attributes_.securityDescriptor = nullptr;
  attributes_.securityQualityOfService = nullptr;
}

NtStatus RegDir::setPathAndOpen(const char16_t* path) { return openPath(path, kKeyAllAccess); }

NtStatus RegDir::openPath(const char16_t* path, std::uint32_t access) {
  // The path may be this key's own text, so copy it before touching ours.
  Owned<StrBuffer> copy = newStr(path != nullptr ? path : u"");
  while (!copy->isEmpty() && copy->charAt(copy->length() - 1) == u'\\') {
    copy->setLength(copy->length() - 1);
  }
  path_->setStr(*copy);
  buildNames();
  close();
  access_ = access;
  return ensureOpen();
}

NtStatus RegDir::open(std::uint32_t root, const char16_t* path) {
  setRoot(root);
  return setPathAndOpen(path);
}

NtStatus RegDir::openForReading(std::uint32_t root, const char16_t* path) {
  setRoot(root);
  return openPath(path, kKeyRead);
}

NtStatus RegDir::ensureOpen() {
  if (handle_ != nullptr) return NtStatus::kSuccess;
  if (!nativeReady_) return NtStatus::kNativeLayerMissing;
  if (attributes_.objectName == nullptr) return NtStatus::kObjectNameInvalid;
  NtStatus status = table().openKey(&handle_, access_, &attributes_);
  if (!ntSuccess(status)) handle_ = nullptr;
  return status;
}

void RegDir::close() {
  if (handle_ == nullptr) return;
  (void)table().close(handle_);
  handle_ = nullptr;
}

bool RegDir::reopen() {
  if (handle_ == nullptr) return false;
  close();
  return ntSuccess(ensureOpen());
}

StrBuffer& RegDir::name(StrBuffer& out, bool append) const {
  if (!append) out.clear();
  std::uint32_t slash = 0;
  std::uint32_t from = path_->lastIndexOf(u'\\', &slash) ? slash + 1 : 0;
  return out.appendUnits(path_->data() + from, path_->length() - from);
}

Owned<StrBuffer> RegDir::name() const {
  Owned<StrBuffer> out = newStr();
  name(*out, false);
  return out;
}

Owned<IRegDir> RegDir::parent() const {
  std::uint32_t slash = 0;
  Owned<StrBuffer> up = newStr();
  if (path_->lastIndexOf(u'\\', &slash)) up->appendUnits(path_->data(), slash);
  return OpenRegDir(root_, up->text());
}

NtStatus RegDir::openByName(const char16_t* fullName) {
  Owned<StrBuffer> text = newStr(fullName != nullptr ? fullName : u"");
  for (const RootName& root : kRootsByName) {
    if (!text->startsWithIgnoreCase(root.name)) continue;
    std::uint32_t skip = s::str::strbuffer::textLength(root.name);
    // The separator after the root name is skipped whatever it is.
    if (text->length() > skip) ++skip;
    return open(root.root, text->text() + skip);
  }
  return open(kHkeyCurrentUser, u"InvalidKey");
}

NtStatus RegDir::create() {
  if (handle_ != nullptr) return NtStatus::kSuccess;
  if (!nativeReady_) return NtStatus::kNativeLayerMissing;
  std::uint32_t disposition = 0;
  NtStatus status =
      table().createKey(&handle_, kKeyAllAccess, &attributes_, 0, nullptr, 0, &disposition);
  if (ntSuccess(status)) return status;
  handle_ = nullptr;
  // The root has no parent to create: stop here instead of climbing for ever.
  if (path_->isEmpty()) return status;
  Owned<IRegDir> up = parent();
  NtStatus parentStatus = up->create();
  up.reset();
  status = table().createKey(&handle_, kKeyAllAccess, &attributes_, 0, nullptr, 0, &disposition);
  if (ntSuccess(status)) return status;
  handle_ = nullptr;
  // The deepest failure says why, e.g. access denied rather than a missing parent.
  return ntSuccess(parentStatus) ? status : parentStatus;
}

NtStatus RegDir::ensureCreated() {
  if (handle_ != nullptr) return NtStatus::kSuccess;
  // Creating would open the key for writing, which a key opened for reading never is.
  if (readOnly()) return NtStatus::kAccessDenied;
  return create();
}

NtStatus RegDir::deleteTree(bool deleteSelf) {
  // The sub-keys open with full access of their own, so the refusal must be ours.
  if (readOnly()) return NtStatus::kAccessDenied;
  NtStatus status = ensureOpen();
  if (!ntSuccess(status)) return status;
  NtStatus firstFailure = NtStatus::kSuccess;
  {
    Owned<ArrayP> keys = subKeys();
    for (std::uint32_t i = 0; i < keys->count(); ++i) {
      NtStatus childStatus = static_cast<RegDir*>(keys->pointerAt(i))->deleteTree(true);
      if (ntSuccess(firstFailure) && !ntSuccess(childStatus)) firstFailure = childStatus;
    }
  }
  if (!deleteSelf) return firstFailure;
  status = table().deleteKey(handle_);
  close();
  return status;
}

NtStatus RegDir::rename(const char16_t* newName) {
  if (readOnly()) return NtStatus::kAccessDenied;
  NtStatus status = ensureOpen();
  if (!ntSuccess(status)) return status;
  NtUnicodeString counted{};
  table().initUnicodeString(&counted, newName);
  status = table().renameKey(handle_, &counted);
  close();
  return status;
}

NtStatus RegDir::flush() {
  if (handle_ == nullptr) return NtStatus::kInvalidHandle;
  return table().flushKey(handle_);
}

std::uint32_t RegDir::queryBufferSize() {
  SharedBuffer& buffer = queryBuffer();
  s::thread::LockGuard guard(buffer.lock);
  return buffer.size;
}

bool RegDir::queryValue(const char16_t* name, std::uint32_t* type, std::uint32_t* size,
                        std::int32_t expectedType) {
  if (type != nullptr) *type = 0;
  if (size != nullptr) *size = 0;
  if (!ntSuccess(ensureOpen())) return false;
  table().initUnicodeString(&valueName_, name);
  SharedBuffer& buffer = queryBuffer();
  s::thread::LockGuard guard(buffer.lock);
  std::uint32_t resultLength = 0;
  NtStatus status = table().queryValueKey(handle_, &valueName_, kKeyValueFullInformation,
                                          buffer.data, buffer.size, &resultLength);
  while (status == NtStatus::kBufferOverflow || status == NtStatus::kBufferTooSmall) {
    // Room for the answer and a margin, reached by the shared growth policy; an answer that
    // would not fit even then (or claims to fit already) ends the query.
    if (resultLength > 0xFFFFFFFFu - 1026 || resultLength + 1026 <= buffer.size) return false;
    std::uint32_t grown = s::col::grownCapacity(buffer.size, resultLength + 1026);
    buffer.data = static_cast<std::uint8_t*>(s::col::reallocateOrDie(buffer.data, grown));
    buffer.size = grown;
    status = table().queryValueKey(handle_, &valueName_, kKeyValueFullInformation, buffer.data,
                                   buffer.size, &resultLength);
  }
  if (status != NtStatus::kSuccess) return false;
  std::uint32_t storedType = read32(buffer.data + 4);
  std::uint32_t dataOffset = read32(buffer.data + 8);
  std::uint32_t dataLength = read32(buffer.data + 12);
  if (dataOffset > buffer.size || dataLength > buffer.size - dataOffset) return false;
  if (type != nullptr) *type = storedType;
  if (size != nullptr) *size = dataLength;
  if (expectedType != -1 && storedType != static_cast<std::uint32_t>(expectedType)) return false;
  valueBuffer_.clear();
  valueBuffer_.reserve(dataLength + 2);
  valueBuffer_.append(buffer.data + dataOffset, dataLength);
  // Two zero bytes after the data (not counted): the room a text read needs for its terminator.
  static const std::uint8_t kZeros[2] = {0, 0};
  valueBuffer_.append(kZeros, 2);
  valueBuffer_.setCount(dataLength);
  return true;
}

bool RegDir::readSized(const char16_t* name, std::uint32_t size, void* out) {
  std::uint32_t stored = 0;
  if (!queryValue(name, nullptr, &stored, -1) || stored != size) return false;
  std::memcpy(out, valueBuffer_.items(), size);
  return true;
}

std::uint32_t RegDir::valueSize(const char16_t* name) {
  std::uint32_t size = 0;
  return queryValue(name, nullptr, &size, -1) ? size : 0;
}

std::uint8_t RegDir::getUInt8(const char16_t* name, std::uint8_t fallback) {
  std::uint32_t value;
  return readSized(name, 4, &value) ? static_cast<std::uint8_t>(value) : fallback;
}

std::uint16_t RegDir::getUInt16(const char16_t* name, std::uint16_t fallback) {
  std::uint32_t value;
  return readSized(name, 4, &value) ? static_cast<std::uint16_t>(value) : fallback;
}

std::uint32_t RegDir::getUInt32(const char16_t* name, std::uint32_t fallback) {
  std::uint32_t value;
  return readSized(name, 4, &value) ? value : fallback;
}

std::uint64_t RegDir::getUInt64(const char16_t* name, std::uint64_t fallback) {
  std::uint64_t value;
  return readSized(name, 8, &value) ? value : fallback;
}

std::int8_t RegDir::getInt8(const char16_t* name, std::int8_t fallback) {
  return static_cast<std::int8_t>(getUInt8(name, static_cast<std::uint8_t>(fallback)));
}

std::int16_t RegDir::getInt16(const char16_t* name, std::int16_t fallback) {
  return static_cast<std::int16_t>(getUInt16(name, static_cast<std::uint16_t>(fallback)));
}

std::int32_t RegDir::getInt32(const char16_t* name, std::int32_t fallback) {
  return static_cast<std::int32_t>(getUInt32(name, static_cast<std::uint32_t>(fallback)));
}

std::int64_t RegDir::getInt64(const char16_t* name, std::int64_t fallback) {
  return static_cast<std::int64_t>(getUInt64(name, static_cast<std::uint64_t>(fallback)));
}

float RegDir::getFloat(const char16_t* name, float fallback) {
  float value;
  return readSized(name, 4, &value) ? value : fallback;
}

double RegDir::getDouble(const char16_t* name, double fallback) {
  double value;
  return readSized(name, 8, &value) ? value : fallback;
}

bool RegDir::getBool(const char16_t* name, bool fallback) {
  std::uint32_t value;
  return readSized(name, 4, &value) ? value != 0 : fallback;
}

const char16_t* RegDir::getString(const char16_t* name, const char16_t* fallback,
                                  bool* wasExpandable, bool expand) {
  if (wasExpandable != nullptr) *wasExpandable = false;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (!queryValue(name, &type, &size, -1)) return fallback;
  if (size == 0) return u"";
  if (type != kRegSz && type != kRegExpandSz) return fallback;
  // The stored bytes need not end in a terminator, nor even in a whole character: the text is
  // the whole characters, ended here. A stray last byte belongs to no character and is dropped.
  auto* text = reinterpret_cast<char16_t*>(valueBuffer_.items());
  text[size / 2] = 0;
  if (type == kRegSz) return text;
  if (wasExpandable != nullptr) *wasExpandable = true;
  if (!expand) return text;
  expansionBuffer_.setCount(0);
  expansionBuffer_.reserve(2 * kExpansionUnits);
  auto* expanded = reinterpret_cast<char16_t*>(expansionBuffer_.items());
  std::uint32_t needed = expandEnvironment(text, expanded, kExpansionUnits);
  // An expansion that does not fit the buffer is not cut short: the stored text is given.
  if (needed == 0 || needed > kExpansionUnits) return text;
  return expanded;
}

Owned<IRegDir::StrArray> RegDir::getStringList(const char16_t* name) {
  Owned<StrArray> list = s::thread::obtain<StrArray>();
  std::uint32_t size = 0;
  if (!queryValue(name, nullptr, &size, kRegMultiSz) || size <= 3) return list;
  auto* units = reinterpret_cast<const char16_t*>(valueBuffer_.items());
  std::uint32_t count = size / 2;
  std::uint32_t start = 0;
  for (std::uint32_t i = 0; i <= count; ++i) {
    if (i < count && units[i] != 0) continue;
    if (i == start) break;  // the empty text that closes the list
    Owned<StrBuffer> item = newStr();
    item->appendUnits(units + start, i - start);
    list->add(std::move(item));
    start = i + 1;
  }
  return list;
}

bool RegDir::getBinary(const char16_t* name, ArrayU08& out) {
  std::uint32_t size = 0;
  if (!queryValue(name, nullptr, &size, -1)) return false;
  out.clear();
  out.append(valueBuffer_.items(), size);
  return true;
}

Owned<IRegDir::ArrayU08> RegDir::getBinary(const char16_t* name) {
  Owned<ArrayU08> out = s::thread::obtain<ArrayU08>();
  if (!getBinary(name, *out)) return nullptr;
  return out;
}

NtStatus RegDir::deleteValue(const char16_t* name) {
  NtStatus status = ensureOpen();
  if (!ntSuccess(status)) return status;
  table().initUnicodeString(&valueName_, name);
  return table().deleteValueKey(handle_, &valueName_);
}

NtStatus RegDir::writeValue(const char16_t* name, std::uint32_t type, const void* data,
                            std::uint32_t size) {
  NtStatus status = ensureCreated();
  if (!ntSuccess(status)) return status;
  table().initUnicodeString(&valueName_, name);
  return table().setValueKey(handle_, &valueName_, 0, type, data, size);
}

NtStatus RegDir::setValue(const char16_t* name, std::uint32_t type, const void* data,
                          std::uint32_t size) {
  return writeValue(name, type, data, size);
}

NtStatus RegDir::setUInt8(const char16_t* name, std::uint8_t value) {
  return setUInt32(name, value);
}

NtStatus RegDir::setUInt16(const char16_t* name, std::uint16_t value) {
  return setUInt32(name, value);
}

NtStatus RegDir::setUInt32(const char16_t* name, std::uint32_t value) {
  return writeValue(name, kRegDword, &value, 4);
}

NtStatus RegDir::setUInt64(const char16_t* name, std::uint64_t value) {
  return writeValue(name, kRegBinary, &value, 8);
}

NtStatus RegDir::setInt8(const char16_t* name, std::int8_t value) { return setInt32(name, value); }

NtStatus RegDir::setInt16(const char16_t* name, std::int16_t value) {
  return setInt32(name, value);
}

NtStatus RegDir::setInt32(const char16_t* name, std::int32_t value) {
  return writeValue(name, kRegDword, &value, 4);
}

NtStatus RegDir::setInt64(const char16_t* name, std::int64_t value) {
  return writeValue(name, kRegBinary, &value, 8);
}

NtStatus RegDir::setFloat(const char16_t* name, float value) {
  return writeValue(name, kRegBinary, &value, 4);
}

NtStatus RegDir::setDouble(const char16_t* name, double value) {
  return writeValue(name, kRegBinary, &value, 8);
}

NtStatus RegDir::setBool(const char16_t* name, bool value) {
  return setUInt32(name, value ? 1u : 0u);
}

NtStatus RegDir::setString(const char16_t* name, const char16_t* value) {
  // A null text is stored as the empty one, never read through.
  if (value == nullptr) value = u"";
  std::uint32_t units = s::str::strbuffer::textLength(value);
  return writeValue(name, kRegSz, value, 2 * units + 2);
}

NtStatus RegDir::setExpandString(const char16_t* name, const char16_t* value) {
  // A null text is stored as the empty one, never read through.
  if (value == nullptr) value = u"";
  std::uint32_t units = s::str::strbuffer::textLength(value);
  return writeValue(name, kRegExpandSz, value, 2 * units + 2);
}

NtStatus RegDir::setStringList(const char16_t* name, const StrArray& values) {
  static const char16_t kNul = 0;
  valueBuffer_.clear();
  for (std::uint32_t i = 0; i < values.count(); ++i) {
    const StrBuffer* text = values.at(i);
    valueBuffer_.append(text->data(), 2 * text->length());
    valueBuffer_.append(&kNul, 2);
  }
  valueBuffer_.append(&kNul, 2);
  return writeValue(name, kRegMultiSz, valueBuffer_.items(), valueBuffer_.count());
}

NtStatus RegDir::setBinary(const char16_t* name, const ArrayU08& value) {
  return writeValue(name, kRegBinary, value.items(), value.count());
}

Owned<IRegDir::ArrayP> RegDir::enumerateSubKeys(const char16_t* prefix) {
  Owned<ArrayP> keys = s::thread::obtain<ArrayP>();
  keys->setElementReleaser(&s::thread::poolOf<RegDir>());
  if (handle_ == nullptr) return keys;
  Owned<StrArray> names = s::thread::obtain<StrArray>();
  {
    SharedBuffer& buffer = keyEnumerationBuffer();
    s::thread::LockGuard guard(buffer.lock);
    for (std::uint32_t index = 0;; ++index) {
      std::uint32_t resultLength = 0;
      NtStatus status = table().enumerateKey(handle_, index, kKeyBasicInformation, buffer.data,
                                             buffer.size, &resultLength);
      if (status != NtStatus::kSuccess) break;
      std::uint32_t nameBytes = read32(buffer.data + 12);
      if (nameBytes > buffer.size - kKeyBasicNameOffset) break;
      Owned<StrBuffer> keyName = newStr();
      keyName->appendUnits(reinterpret_cast<const char16_t*>(buffer.data + kKeyBasicNameOffset),
                           nameBytes / 2);
      if (prefix == nullptr || keyName->startsWithIgnoreCase(prefix))
        names->add(std::move(keyName));
    }
  }
  Owned<StrBuffer> childPath = newStr();
  for (std::uint32_t i = 0; i < names->count(); ++i) {
    childPath->setStr(*path_);
    // Below the root itself there is no path to separate from.
    if (!childPath->isEmpty()) childPath->appendChar(u'\\');
    childPath->appendStr(*names->at(i));
    keys->appendPointer(static_cast<void*>(OpenRegDir(root_, childPath->text()).detach()));
  }
  return keys;
}

Owned<IRegDir::ArrayP> RegDir::subKeys() { return enumerateSubKeys(nullptr); }

Owned<IRegDir::ArrayP> RegDir::subKeysWithPrefix(const char16_t* prefix) {
  return enumerateSubKeys(prefix != nullptr ? prefix : u"");
}

Owned<IRegDir::StrArray> RegDir::valueNames() {
  Owned<StrArray> names = s::thread::obtain<StrArray>();
  if (handle_ == nullptr) return names;
  SharedBuffer& buffer = valueEnumerationBuffer();
  s::thread::LockGuard guard(buffer.lock);
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t resultLength = 0;
    NtStatus status = table().enumerateValueKey(handle_, index, kKeyValueBasicInformation,
                                                buffer.data, buffer.size, &resultLength);
    if (status != NtStatus::kSuccess) break;
    std::uint32_t nameBytes = read32(buffer.data + 8);
    if (nameBytes > buffer.size - kValueBasicNameOffset) break;
    Owned<StrBuffer> valueName = newStr();
    valueName->appendUnits(reinterpret_cast<const char16_t*>(buffer.data + kValueBasicNameOffset),
                           nameBytes / 2);
    names->add(std::move(valueName));
  }
  return names;
}

std::uint64_t RegDir::totalSize(bool recurse, std::uint32_t* valueCount, std::uint32_t* keyCount,
                                bool includeValues) {
  std::uint64_t total = 0;
  if (includeValues) {
    Owned<StrArray> names = valueNames();
    for (std::uint32_t i = 0; i < names->count(); ++i) {
      total += valueSize(names->at(i)->text());
      if (valueCount != nullptr) ++*valueCount;
    }
  }
  if (recurse) {
    Owned<ArrayP> keys = subKeys();
    for (std::uint32_t i = 0; i < keys->count(); ++i) {
      if (keyCount != nullptr) ++*keyCount;
      total +=
          static_cast<RegDir*>(keys->pointerAt(i))->totalSize(true, valueCount, keyCount, true);
    }
  }
  return total;
}

}  // namespace s::reg::win

namespace s::reg {

s::base::Owned<win::RegDir> OpenRegDir(std::uint32_t root, const char16_t* path) {
  s::base::Owned<win::RegDir> key = s::thread::obtain<win::RegDir>();
  (void)key->open(root, path);
  return key;
}

}  // namespace s::reg
