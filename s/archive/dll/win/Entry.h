#pragma once

#include <cstdint>

#include "s/archive/dll/IEntry.h"
#include "s/base/Owned.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"

namespace s::archive::dll::win {

// One resource of a loaded module in one language, as the enumeration found it.
class Entry final : public IEntry, public s::thread::IPoolable {
 public:
  Entry() = default;
  ~Entry() override = default;
  Entry(const Entry&) = delete;
  Entry& operator=(const Entry&) = delete;

  const char16_t* className() const override { return u"s_archive_dll_win_Entry"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  bool isTypeNumeric() const override { return !typeText_; }
  std::uint32_t typeId() const override { return typeId_; }
  const char16_t* typeName() const override { return typeText_ ? typeText_->text() : u""; }
  bool isNameNumeric() const override { return !nameText_; }
  std::uint32_t nameId() const override { return nameId_; }
  const char16_t* nameText() const override { return nameText_ ? nameText_->text() : u""; }
  std::uint32_t size() const override { return size_; }
  std::uint32_t language() const override { return language_; }
  std::uint32_t sublanguage() const override { return sublanguage_; }
  // The native resource handle (an HRSRC), null when the lookup found nothing.
  void* resource() const { return resource_; }

  // A resource identifier as the platform hands it over: a number below 65536 or a text.
  void setType(const char16_t* type);
  void setName(const char16_t* name);
  void setResource(void* resource, std::uint32_t size) {
    resource_ = resource;
    size_ = size;
  }
  // Splits a language id into the primary language and the rest.
  void setLanguageId(std::uint32_t languageId);

 private:
  std::uint32_t typeId_ = 0;
  s::base::Owned<s::str::strbuffer::StrBuffer> typeText_;
  std::uint32_t nameId_ = 0;
  s::base::Owned<s::str::strbuffer::StrBuffer> nameText_;
  void* resource_ = nullptr;
  std::uint32_t size_ = 0;
  std::uint32_t language_ = 0;
  std::uint32_t sublanguage_ = 0;
};

}  // namespace s::archive::dll::win
