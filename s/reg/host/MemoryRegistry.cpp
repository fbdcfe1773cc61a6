#include "s/reg/host/MemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>

namespace s::reg::host {

namespace {

struct Value {
  std::u16string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

struct Key {
  std::u16string name;
  Key* parent = nullptr;
  std::vector<std::shared_ptr<Key>> children;  // kept in case-insensitive name order
  std::vector<Value> values;                   // kept in the order of creation
  bool deleted = false;
  bool permanent = false;  // the hive roots: never deleted or renamed
  bool denied = false;
};

struct Handle {
  std::shared_ptr<Key> key;
  std::uint32_t access = 0;
};

struct Fault {
  std::u16string key;  // folded native name
  std::u16string value;
  NtStatus status = NtStatus::kSuccess;
  std::uint32_t tamper = 0;  // writes still to be tampered with
};

std::u16string folded(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  }
  return text;
}

bool sameName(const std::u16string& a, const std::u16string& b) { return folded(a) == folded(b); }

struct State {
  std::recursive_mutex mutex;
  std::shared_ptr<Key> top;
  std::set<Handle*> handles;
  std::vector<Fault> faults;
  bool denyAll = false;
  std::uint32_t changes = 0;
};

State& state() {
  static State instance;
  return instance;
}

Key* childOf(Key* key, const std::u16string& name) {
  for (auto& child : key->children) {
    if (sameName(child->name, name)) return child.get();
  }
  return nullptr;
}

std::shared_ptr<Key> addChild(Key* key, const std::u16string& name, bool permanent) {
  auto child = std::make_shared<Key>();
  child->name = name;
  child->parent = key;
  child->permanent = permanent;
  std::u16string foldedName = folded(name);
  auto at =
      std::find_if(key->children.begin(), key->children.end(),
                   [&](const std::shared_ptr<Key>& k) { return folded(k->name) > foldedName; });
  key->children.insert(at, child);
  return child;
}

std::shared_ptr<Key> sharedOf(Key* key) {
  if (key->parent == nullptr) return state().top;
  for (auto& child : key->parent->children) {
    if (child.get() == key) return child;
  }
  return nullptr;
}

void buildInitialTree(State& s) {
  s.top = std::make_shared<Key>();
  s.top->permanent = true;
  auto registry = addChild(s.top.get(), u"Registry", true);
  addChild(registry.get(), u"Machine", true);
  auto user = addChild(registry.get(), u"User", true);
  addChild(user.get(), MemoryRegistry::kUserSid, true);
  s.handles.clear();
  s.faults.clear();
  s.denyAll = false;
  s.changes = 0;
}

// Splits an absolute native name into its components; false for a relative or malformed name.
bool components(const char16_t* units, std::uint32_t count, std::vector<std::u16string>* parts) {
  if (count == 0 || units[0] != u'\\') return false;
  std::u16string part;
  for (std::uint32_t i = 1; i <= count; ++i) {
    if (i == count || units[i] == u'\\') {
      if (part.empty()) return false;
      parts->push_back(part);
      part.clear();
    } else {
      part += units[i];
    }
  }
  return true;
}

bool componentsOf(const std::u16string& name, std::vector<std::u16string>* parts) {
  return components(name.data(), static_cast<std::uint32_t>(name.size()), parts);
}

// Walks the components; returns the deepest key and how many components matched.
Key* walk(const std::vector<std::u16string>& parts, std::size_t* matched) {
  Key* key = state().top.get();
  std::size_t i = 0;
  for (; i < parts.size(); ++i) {
    Key* next = childOf(key, parts[i]);
    if (next == nullptr) break;
    key = next;
  }
  *matched = i;
  return key;
}

Key* find(const char16_t* nativeName) {
  std::vector<std::u16string> parts;
  if (!componentsOf(nativeName, &parts)) return nullptr;
  std::size_t matched = 0;
  Key* key = walk(parts, &matched);
  return matched == parts.size() ? key : nullptr;
}

std::u16string pathOf(const Key* key) {
  if (key->parent == nullptr) return u"";
  return pathOf(key->parent) + u"\\" + key->name;
}

bool writeDenied(const Key* key) { return state().denyAll || key->denied; }

Handle* handleOf(NtHandle handle) {
  auto* h = static_cast<Handle*>(handle);
  return state().handles.count(h) != 0 ? h : nullptr;
}

std::u16string nameOf(const NtUnicodeString* name) {
  if (name == nullptr || name->buffer == nullptr) return u"";
  return std::u16string(name->buffer, name->length / 2);
}

Value* valueOf(Key* key, const std::u16string& name) {
  for (Value& v : key->values) {
    if (sameName(v.name, name)) return &v;
  }
  return nullptr;
}

NtHandle newHandle(const std::shared_ptr<Key>& key, std::uint32_t access) {
  auto* h = new Handle{key, access};
  state().handles.insert(h);
  return h;
}

// Writes an answer of `needed` bytes; the fixed part alone when only it fits.
NtStatus answer(const std::vector<std::uint8_t>& bytes, std::uint32_t fixedSize, void* buffer,
                std::uint32_t length, std::uint32_t* resultLength) {
  *resultLength = static_cast<std::uint32_t>(bytes.size());
  if (length < fixedSize) return NtStatus::kBufferTooSmall;
  if (length < bytes.size()) {
    std::memcpy(buffer, bytes.data(), fixedSize);
    return NtStatus::kBufferOverflow;
  }
  std::memcpy(buffer, bytes.data(), bytes.size());
  return NtStatus::kSuccess;
}

void put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putName(std::vector<std::uint8_t>& bytes, const std::u16string& name) {
  for (char16_t c : name) {
    bytes.push_back(static_cast<std::uint8_t>(c));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
}

std::vector<std::uint8_t> valueAnswer(const Value& v, std::uint32_t informationClass) {
  std::vector<std::uint8_t> bytes;
  auto nameBytes = static_cast<std::uint32_t>(2 * v.name.size());
  if (informationClass == kKeyValueBasicInformation) {
    put32(bytes, 0);
    put32(bytes, v.type);
    put32(bytes, nameBytes);
    putName(bytes, v.name);
    return bytes;
  }
  std::uint32_t dataOffset = (kValueFullNameOffset + nameBytes + 3) & ~3u;
  put32(bytes, 0);
  put32(bytes, v.type);
  put32(bytes, dataOffset);
  put32(bytes, static_cast<std::uint32_t>(v.data.size()));
  put32(bytes, nameBytes);
  putName(bytes, v.name);
  bytes.resize(dataOffset, 0);
  bytes.insert(bytes.end(), v.data.begin(), v.data.end());
  return bytes;
}

// The path components an open or create names; only absolute names are supported.
NtStatus nameParts(const NtObjectAttributes* attributes, std::vector<std::u16string>* parts) {
  if (attributes == nullptr || attributes->objectName == nullptr)
    return NtStatus::kInvalidParameter;
  if (attributes->rootDirectory != nullptr) return NtStatus::kNotImplemented;
  const NtUnicodeString* name = attributes->objectName;
  if (!components(name->buffer, name->length / 2, parts)) return NtStatus::kObjectNameInvalid;
  return NtStatus::kSuccess;
}

// The deepest existing key on the path of attributes, and how many of the parts it matched.
NtStatus lookUp(const NtObjectAttributes* attributes, std::vector<std::u16string>* parts,
                Key** found, std::size_t* matched) {
  const NtStatus parsed = nameParts(attributes, parts);
  if (parsed != NtStatus::kSuccess) return parsed;
  *found = walk(*parts, matched);
  return NtStatus::kSuccess;
}

// A handle to an existing key; write access to a key made read-only is refused.
NtStatus handleTo(Key* found, std::uint32_t access, NtHandle* key) {
  if ((access & kKeyWriteBits) != 0 && writeDenied(found)) return NtStatus::kAccessDenied;
  *key = newHandle(sharedOf(found), access);
  return NtStatus::kSuccess;
}

NtStatus S_NTAPI openKey(NtHandle* key, std::uint32_t access,
                         const NtObjectAttributes* attributes) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  *key = nullptr;
  std::vector<std::u16string> parts;
  Key* found = nullptr;
  std::size_t matched = 0;
  const NtStatus looked = lookUp(attributes, &parts, &found, &matched);
  if (looked != NtStatus::kSuccess) return looked;
  if (matched != parts.size()) return NtStatus::kObjectNameNotFound;
  return handleTo(found, access, key);
}

NtStatus S_NTAPI createKey(NtHandle* key, std::uint32_t access,
                           const NtObjectAttributes* attributes, std::uint32_t,
                           const NtUnicodeString*, std::uint32_t, std::uint32_t* disposition) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  *key = nullptr;
  std::vector<std::u16string> parts;
  Key* found = nullptr;
  std::size_t matched = 0;
  const NtStatus looked = lookUp(attributes, &parts, &found, &matched);
  if (looked != NtStatus::kSuccess) return looked;
  if (matched == parts.size()) {
    const NtStatus opened = handleTo(found, access, key);
    if (opened == NtStatus::kSuccess && disposition != nullptr) {
      *disposition = 2;  // REG_OPENED_EXISTING_KEY
    }
    return opened;
  }
  // Only the last level is created; a missing parent is the caller's to create.
  if (matched + 1 != parts.size()) return NtStatus::kObjectNameNotFound;
  if (writeDenied(found) || found == state().top.get()) return NtStatus::kAccessDenied;
  auto created = addChild(found, parts.back(), false);
  ++state().changes;
  if (disposition != nullptr) *disposition = 1;  // REG_CREATED_NEW_KEY
  *key = newHandle(created, access);
  return NtStatus::kSuccess;
}

// Access bits a handle must carry for writes and deletion.
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kDelete = 0x00010000;

// The checks every operation on an open key makes first: a known handle, a key not deleted
// since it was opened, and the access the operation needs (none for 0).
NtStatus usableHandle(NtHandle key, std::uint32_t access, Handle** handle) {
  Handle* h = handleOf(key);
  if (h == nullptr) return NtStatus::kInvalidHandle;
  if (h->key->deleted) return NtStatus::kKeyDeleted;
  if ((h->access & access) != access) return NtStatus::kAccessDenied;
  *handle = h;
  return NtStatus::kSuccess;
}

// The checks a value query or enumeration makes before it looks at any value.
NtStatus valueQueryHandle(NtHandle key, std::uint32_t informationClass, Handle** handle) {
  Handle* h = nullptr;
  NtStatus usable = usableHandle(key, kKeyQueryValue, &h);
  if (usable != NtStatus::kSuccess) return usable;
  if (informationClass != kKeyValueFullInformation && informationClass != kKeyValueBasicInformation)
    return NtStatus::kInvalidParameter;
  *handle = h;
  return NtStatus::kSuccess;
}

NtStatus S_NTAPI queryValueKey(NtHandle key, const NtUnicodeString* name,
                               std::uint32_t informationClass, void* buffer, std::uint32_t length,
                               std::uint32_t* resultLength) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  *resultLength = 0;
  Handle* h = nullptr;
  NtStatus usable = valueQueryHandle(key, informationClass, &h);
  if (usable != NtStatus::kSuccess) return usable;
  Value* v = valueOf(h->key.get(), nameOf(name));
  if (v == nullptr) return NtStatus::kObjectNameNotFound;
  std::uint32_t fixed =
      informationClass == kKeyValueFullInformation ? kValueFullNameOffset : kValueBasicNameOffset;
  return answer(valueAnswer(*v, informationClass), fixed, buffer, length, resultLength);
}

Fault* faultFor(const Key* key, const std::u16string& valueName) {
  std::u16string path = folded(pathOf(key));
  for (Fault& f : state().faults) {
    if (f.key == path && f.value == folded(valueName)) return &f;
  }
  return nullptr;
}

NtStatus S_NTAPI setValueKey(NtHandle key, const NtUnicodeString* name, std::uint32_t,
                             std::uint32_t type, const void* data, std::uint32_t size) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  Handle* h = nullptr;
  NtStatus usable = usableHandle(key, kKeySetValue, &h);
  if (usable != NtStatus::kSuccess) return usable;
  if (writeDenied(h->key.get())) return NtStatus::kAccessDenied;
  if (size != 0 && data == nullptr) return NtStatus::kInvalidParameter;
  std::u16string valueName = nameOf(name);
  Fault* fault = faultFor(h->key.get(), valueName);
  if (fault != nullptr && fault->status != NtStatus::kSuccess) return fault->status;
  Value* v = valueOf(h->key.get(), valueName);
  if (v == nullptr) {
    h->key->values.push_back(Value{valueName, 0, {}});
    v = &h->key->values.back();
  }
  v->type = type;
  auto* bytes = static_cast<const std::uint8_t*>(data);
  v->data.assign(bytes, bytes + size);
  if (fault != nullptr && fault->tamper > 0) {
    // A write that lands differently: one more byte, as a filter rewriting the value might.
    v->data.push_back(0x5A);
    --fault->tamper;
  }
  ++state().changes;
  return NtStatus::kSuccess;
}

NtStatus S_NTAPI enumerateKey(NtHandle key, std::uint32_t index, std::uint32_t informationClass,
                              void* buffer, std::uint32_t length, std::uint32_t* resultLength) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  *resultLength = 0;
  Handle* h = nullptr;
  NtStatus usable = usableHandle(key, kKeyEnumerateSubKeys, &h);
  if (usable != NtStatus::kSuccess) return usable;
  if (informationClass != kKeyBasicInformation) return NtStatus::kInvalidParameter;
  if (index >= h->key->children.size()) return NtStatus::kNoMoreEntries;
  const std::u16string& name = h->key->children[index]->name;
  std::vector<std::uint8_t> bytes;
  put32(bytes, 0);
  put32(bytes, 0);
  put32(bytes, 0);
  put32(bytes, static_cast<std::uint32_t>(2 * name.size()));
  putName(bytes, name);
  return answer(bytes, kKeyBasicNameOffset, buffer, length, resultLength);
}

NtStatus S_NTAPI enumerateValueKey(NtHandle key, std::uint32_t index,
                                   std::uint32_t informationClass, void* buffer,
                                   std::uint32_t length, std::uint32_t* resultLength) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  *resultLength = 0;
  Handle* h = nullptr;
  NtStatus usable = valueQueryHandle(key, informationClass, &h);
  if (usable != NtStatus::kSuccess) return usable;
  if (index >= h->key->values.size()) return NtStatus::kNoMoreEntries;
  std::uint32_t fixed =
      informationClass == kKeyValueFullInformation ? kValueFullNameOffset : kValueBasicNameOffset;
  return answer(valueAnswer(h->key->values[index], informationClass), fixed, buffer, length,
                resultLength);
}

NtStatus S_NTAPI deleteKey(NtHandle key) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  Handle* h = nullptr;
  NtStatus usable = usableHandle(key, kDelete, &h);
  if (usable != NtStatus::kSuccess) return usable;
  Key* k = h->key.get();
  if (writeDenied(k)) return NtStatus::kAccessDenied;
  if (k->permanent || !k->children.empty()) return NtStatus::kCannotDelete;
  auto& siblings = k->parent->children;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                [k](const std::shared_ptr<Key>& c) { return c.get() == k; }),
                 siblings.end());
  k->deleted = true;
  ++state().changes;
  return NtStatus::kSuccess;
}

NtStatus S_NTAPI deleteValueKey(NtHandle key, const NtUnicodeString* name) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  Handle* h = nullptr;
  NtStatus usable = usableHandle(key, kKeySetValue, &h);
  if (usable != NtStatus::kSuccess) return usable;
  Key* k = h->key.get();
  if (writeDenied(k)) return NtStatus::kAccessDenied;
  std::u16string valueName = nameOf(name);
  auto at = std::find_if(k->values.begin(), k->values.end(),
                         [&](const Value& v) { return sameName(v.name, valueName); });
  if (at == k->values.end()) return NtStatus::kObjectNameNotFound;
  k->values.erase(at);
  ++state().changes;
  return NtStatus::kSuccess;
}

NtStatus S_NTAPI flushKey(NtHandle key) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  Handle* h = nullptr;
  return usableHandle(key, 0, &h);
}

NtStatus S_NTAPI renameKey(NtHandle key, const NtUnicodeString* newName) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  Handle* h = nullptr;
  NtStatus usable = usableHandle(key, 0, &h);
  if (usable != NtStatus::kSuccess) return usable;
  Key* k = h->key.get();
  std::u16string name = nameOf(newName);
  if (name.empty() || name.find(u'\\') != std::u16string::npos) return NtStatus::kInvalidParameter;
  if (k->permanent || writeDenied(k) || writeDenied(k->parent)) return NtStatus::kAccessDenied;
  if (childOf(k->parent, name) != nullptr) return NtStatus::kObjectNameCollision;
  std::shared_ptr<Key> self = sharedOf(k);
  auto& siblings = k->parent->children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), self));
  Key* parent = k->parent;
  self->name = name;
  std::u16string foldedName = folded(name);
  auto at =
      std::find_if(parent->children.begin(), parent->children.end(),
                   [&](const std::shared_ptr<Key>& c) { return folded(c->name) > foldedName; });
  parent->children.insert(at, self);
  ++state().changes;
  return NtStatus::kSuccess;
}

NtStatus S_NTAPI closeHandle(NtHandle handle) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  Handle* h = handleOf(handle);
  if (h == nullptr) return NtStatus::kInvalidHandle;
  state().handles.erase(h);
  delete h;
  return NtStatus::kSuccess;
}

void S_NTAPI initUnicodeString(NtUnicodeString* target, const char16_t* source) {
  std::uint32_t n = 0;
  if (source != nullptr) {
    while (source[n] != 0) ++n;
  }
  target->buffer = const_cast<char16_t*>(source);
  target->length = static_cast<std::uint16_t>(2 * n);
  target->maximumLength = static_cast<std::uint16_t>(source != nullptr ? 2 * n + 2 : 0);
}

void dumpKey(const Key* key, std::u16string& out) {
  out += pathOf(key);
  out += u"\n";
  for (const Value& v : key->values) {
    out += u"  " + v.name + u" type=";
    std::string type = std::to_string(v.type);
    out.append(type.begin(), type.end());
    out += u" ";
    static const char16_t kHex[] = u"0123456789abcdef";
    for (std::uint8_t b : v.data) {
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
    out += u"\n";
  }
  for (const auto& child : key->children) dumpKey(child.get(), out);
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
  State& s = state();
  std::lock_guard<std::recursive_mutex> guard(s.mutex);
  buildInitialTree(s);
}

MemoryRegistry& MemoryRegistry::instance() {
  static MemoryRegistry* registry = new MemoryRegistry();
  return *registry;
}

const NativeTable& MemoryRegistry::table() {
  static const NativeTable kTable = {
      openKey,   createKey,      queryValueKey, setValueKey, enumerateKey, enumerateValueKey,
      deleteKey, deleteValueKey, flushKey,      renameKey,   closeHandle,  initUnicodeString};
  instance();
  return kTable;
}

void MemoryRegistry::clear() {
  State& s = state();
  std::lock_guard<std::recursive_mutex> guard(s.mutex);
  // Handles left open by a test are dropped with the tree they point into.
  for (Handle* h : s.handles) delete h;
  buildInitialTree(s);
}

void MemoryRegistry::setDenyWrites(bool deny) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  state().denyAll = deny;
}

void MemoryRegistry::setKeyDenied(const char16_t* nativeKeyName, bool deny) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  if (Key* key = find(nativeKeyName)) key->denied = deny;
}

void MemoryRegistry::failValueWrite(const char16_t* nativeKeyName, const char16_t* valueName,
                                    NtStatus status) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  state().faults.push_back(Fault{folded(nativeKeyName), folded(valueName), status, 0});
}

void MemoryRegistry::tamperValueWrite(const char16_t* nativeKeyName, const char16_t* valueName,
                                      std::uint32_t times) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  state().faults.push_back(
      Fault{folded(nativeKeyName), folded(valueName), NtStatus::kSuccess, times});
}

bool MemoryRegistry::keyExists(const char16_t* nativeKeyName) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  return find(nativeKeyName) != nullptr;
}

bool MemoryRegistry::readValue(const char16_t* nativeKeyName, const char16_t* valueName,
                               std::uint32_t* type, std::vector<std::uint8_t>* data) {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  Key* key = find(nativeKeyName);
  Value* v = key == nullptr ? nullptr : valueOf(key, valueName);
  if (v == nullptr) return false;
  if (type != nullptr) *type = v->type;
  if (data != nullptr) *data = v->data;
  return true;
}

std::u16string MemoryRegistry::dump() {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  std::u16string out;
  dumpKey(state().top.get(), out);
  return out;
}

std::uint32_t MemoryRegistry::openHandleCount() {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  return static_cast<std::uint32_t>(state().handles.size());
}

std::uint32_t MemoryRegistry::changeCount() {
  std::lock_guard<std::recursive_mutex> guard(state().mutex);
  return state().changes;
}

}  // namespace s::reg::host
