#include "s/archive/dll/win/Archive.h"

#include <windows.h>

#include "s/file/FileSystem.h"
#include "s/system/os/StaticObj.h"
#include "s/thread/Pool.h"

namespace s::archive::dll::win {

using s::str::strbuffer::foldAscii;
using s::str::strbuffer::newStr;

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

const char16_t* utf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// From Windows Vista on, a resource is listed once, in the neutral language; before, once per
// language it exists in.
bool listsEveryLanguage() {
  const s::system::os::win::StaticObj os;
  return !os.isVistaOrLater;
}

bool sameText(const char16_t* a, const char16_t* b) {
  while (*a != 0 && *a == *b) ++a, ++b;
  return *a == *b;
}

bool sameTextIgnoreCase(const char16_t* a, const char16_t* b) {
  while (*a != 0 && foldAscii(*a) == foldAscii(*b)) ++a, ++b;
  return foldAscii(*a) == foldAscii(*b);
}

BOOL CALLBACK onLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR archive) {
  reinterpret_cast<Archive*>(archive)->addResourceInLanguage(type, name, language);
  return TRUE;
}

BOOL CALLBACK onName(HMODULE, LPCWSTR type, LPWSTR name, LONG_PTR archive) {
  reinterpret_cast<Archive*>(archive)->addResource(type, name);
  return TRUE;
}

BOOL CALLBACK onType(HMODULE module, LPWSTR type, LONG_PTR archive) {
  ::EnumResourceNamesW(module, type, onName, archive);
  return TRUE;
}

}  // namespace

Archive::Archive() { entries_.setElementReleaser(&s::thread::poolOf<Entry>()); }

Archive::~Archive() {
  close();
  entries_.free();
}

s::base::IObject* Archive::newInstance() const { return s::thread::takeFromPool<Archive>(); }

void Archive::release() { s::thread::giveBackToPool(this); }

bool Archive::open(const char16_t* path) {
  close();
  if (path == nullptr || !s::file::fileExists(path)) return false;
  path_ = newStr(path);
  if (!s::file::fileSize(path, &fileSize_)) fileSize_ = 0;
  // As a data file: reading resources must never run the module's code.
  HMODULE module = ::LoadLibraryExW(wide(path), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  bool listed = false;
  if (module != nullptr) {
    module_ = module;
    perLanguage_ = listsEveryLanguage();
    listed = ::EnumResourceTypesW(module, onType, reinterpret_cast<LONG_PTR>(this)) != 0;
  }
  if (!listed) {
    // Entries listed before a failure stay; the archive is closed.
    path_.reset();
    if (module_ != nullptr) ::FreeLibrary(static_cast<HMODULE>(module_));
    module_ = nullptr;
    fileSize_ = 0;
  }
  return listed;
}

void Archive::close() {
  path_.reset();
  if (module_ != nullptr) ::FreeLibrary(static_cast<HMODULE>(module_));
  module_ = nullptr;
  fileSize_ = 0;
  entries_.clear();
}

void Archive::addResource(const wchar_t* type, const wchar_t* name) {
  if (perLanguage_) {
    ::EnumResourceLanguagesW(static_cast<HMODULE>(module_), type, name, onLanguage,
                             reinterpret_cast<LONG_PTR>(this));
    return;
  }
  s::base::Owned<Entry> entry(s::thread::takeFromPool<Entry>());
  entry->setType(utf16(type));
  entry->setName(utf16(name));
  HMODULE module = static_cast<HMODULE>(module_);
  HRSRC resource = ::FindResourceExW(module, type, name, 0);
  entry->setResource(resource, resource != nullptr ? ::SizeofResource(module, resource) : 0);
  entries_.appendPointer(entry.get());
  entry.detach();
}

void Archive::addResourceInLanguage(const wchar_t* type, const wchar_t* name,
                                    std::uint16_t language) {
  s::base::Owned<Entry> entry(s::thread::takeFromPool<Entry>());
  entry->setType(utf16(type));
  entry->setName(utf16(name));
  HMODULE module = static_cast<HMODULE>(module_);
  HRSRC resource = ::FindResourceExW(module, type, name, language);
  entry->setResource(resource, resource != nullptr ? ::SizeofResource(module, resource) : 0);
  entry->setLanguageId(language);
  entries_.appendPointer(entry.get());
  entry.detach();
}

template <class Match>
bool Archive::findFirst(std::uint32_t* index, Match match) const {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    if (match(*entry(i))) {
      if (index != nullptr) *index = i;
      return true;
    }
  }
  return false;
}

bool Archive::findById(std::uint32_t id, std::uint32_t* index) const {
  return findFirst(index, [&](const Entry& e) { return e.isNameNumeric() && e.nameId() == id; });
}

bool Archive::findByName(const char16_t* name, std::uint32_t* index) const {
  if (name == nullptr) return false;
  return findFirst(
      index, [&](const Entry& e) { return !e.isNameNumeric() && sameText(e.nameText(), name); });
}

bool Archive::findByNameIgnoreCase(const char16_t* name, std::uint32_t* index) const {
  if (name == nullptr) return false;
  return findFirst(index, [&](const Entry& e) {
    return !e.isNameNumeric() && sameTextIgnoreCase(e.nameText(), name);
  });
}

bool Archive::findByTypeIdAndOccurrence(std::uint32_t typeId, std::uint32_t occurrence,
                                        std::uint32_t* index) const {
  std::uint32_t seen = 0;
  return findFirst(index, [&](const Entry& e) {
    return e.isTypeNumeric() && e.typeId() == typeId && seen++ == occurrence;
  });
}

bool Archive::findByTypeIdAndId(std::uint32_t typeId, std::uint32_t id,
                                std::uint32_t* index) const {
  return findFirst(index, [&](const Entry& e) {
    return e.isTypeNumeric() && e.typeId() == typeId && e.isNameNumeric() && e.nameId() == id;
  });
}

bool Archive::findByTypeIdAndName(std::uint32_t typeId, const char16_t* name,
                                  std::uint32_t* index) const {
  if (name == nullptr) return false;
  return findFirst(index, [&](const Entry& e) {
    return e.isTypeNumeric() && e.typeId() == typeId && !e.isNameNumeric() &&
           sameText(e.nameText(), name);
  });
}

bool Archive::findByTypeNameAndId(const char16_t* typeName, std::uint32_t id,
                                  std::uint32_t* index) const {
  if (typeName == nullptr) return false;
  return findFirst(index, [&](const Entry& e) {
    return !e.isTypeNumeric() && sameText(e.typeName(), typeName) && e.isNameNumeric() &&
           e.nameId() == id;
  });
}

bool Archive::read(std::uint32_t index, s::io::IOutputStream& stream) const {
  if (module_ == nullptr || index >= entries_.count()) return false;
  const Entry& e = *entry(index);
  if (e.resource() == nullptr) return false;
  HGLOBAL loaded = ::LoadResource(static_cast<HMODULE>(module_), static_cast<HRSRC>(e.resource()));
  if (loaded == nullptr) return false;
  const void* bytes = ::LockResource(loaded);
  if (bytes == nullptr) return false;
  if (e.size() == 0) return true;
  return stream.write(bytes, e.size());
}

s::base::Owned<Archive> OpenModuleArchive(const char16_t* path) {
  auto archive = s::thread::obtain<Archive>();
  archive->open(path);
  return archive;
}

}  // namespace s::archive::dll::win
