#include "s/archive/dll/win/Entry.h"

#include <cstdint>

#include "s/thread/Pool.h"

namespace s::archive::dll::win {

namespace {

// The platform's integer identifiers are pointers whose value fits in 16 bits.
bool isIntegerIdentifier(const char16_t* identifier) {
  return (reinterpret_cast<std::uintptr_t>(identifier) >> 16) == 0;
}

}  // namespace

s::base::IObject* Entry::newInstance() const { return s::thread::takeFromPool<Entry>(); }

void Entry::release() { s::thread::giveBackToPool(this); }

void Entry::reset() {
  typeId_ = 0;
  typeText_.reset();
  nameId_ = 0;
  nameText_.reset();
  resource_ = nullptr;
  size_ = 0;
  language_ = 0;
  sublanguage_ = 0;
}

void Entry::setType(const char16_t* type) {
  if (isIntegerIdentifier(type)) {
    typeId_ = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(type));
    typeText_.reset();
  } else {
    typeId_ = 0;
    typeText_ = s::str::strbuffer::newStr(type);
  }
}

void Entry::setName(const char16_t* name) {
  if (isIntegerIdentifier(name)) {
    nameId_ = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(name));
    nameText_.reset();
  } else {
    nameId_ = 0;
    nameText_ = s::str::strbuffer::newStr(name);
  }
}

void Entry::setLanguageId(std::uint32_t languageId) {
  language_ = languageId & 0x3FF;
  sublanguage_ = (languageId & 0xFFFF0000u) | ((languageId >> 10) & 0x3F);
}

}  // namespace s::archive::dll::win
