#pragma once

#include <cstdint>

#include "s/archive/dll/IArchive.h"
#include "s/archive/dll/win/Entry.h"
#include "s/base/Owned.h"
#include "s/col/_array/ArrayP.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"

namespace s::archive::dll::win {

// Read access to the resources embedded in a program module. Opening lists every resource
// once; lookups are linear searches of that list.
class Archive final : public s::archive::dll::IArchive, public s::thread::IPoolable {
 public:
  Archive();
  ~Archive() override;
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  const char16_t* className() const override { return u"s_archive_dll_win_Archive"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Closes the archive.
  void reset() override { close(); }

  bool open(const char16_t* path) override;
  void close() override;
  bool isOpen() const override { return module_ != nullptr; }
  std::uint32_t entryCount() const override { return entries_.count(); }
  const Entry* entry(std::uint32_t index) const override {
    return static_cast<const Entry*>(entries_.pointerAt(index));
  }
  // The module file's size in bytes, 0 while closed.
  std::uint64_t fileSize() const { return fileSize_; }
  // The module file's path, the empty text while closed.
  const char16_t* path() const { return path_ ? path_->text() : u""; }

  bool findById(std::uint32_t id, std::uint32_t* index) const override;
  bool findByName(const char16_t* name, std::uint32_t* index) const override;
  bool findByNameIgnoreCase(const char16_t* name, std::uint32_t* index) const override;
  bool findByTypeIdAndOccurrence(std::uint32_t typeId, std::uint32_t occurrence,
                                 std::uint32_t* index) const override;
  bool findByTypeIdAndId(std::uint32_t typeId, std::uint32_t id,
                         std::uint32_t* index) const override;
  bool findByTypeIdAndName(std::uint32_t typeId, const char16_t* name,
                           std::uint32_t* index) const override;
  bool findByTypeNameAndId(const char16_t* typeName, std::uint32_t id,
                           std::uint32_t* index) const override;

  bool read(std::uint32_t index, s::io::IOutputStream& stream) const override;

  // Called back by the enumeration: appends the entries of one resource.
  void addResource(const wchar_t* type, const wchar_t* name);
  void addResourceInLanguage(const wchar_t* type, const wchar_t* name, std::uint16_t language);

 private:
  template <class Match>
  bool findFirst(std::uint32_t* index, Match match) const;

  s::base::Owned<s::str::strbuffer::StrBuffer> path_;
  std::uint64_t fileSize_ = 0;
  s::col::_array::ArrayP entries_;
  void* module_ = nullptr;
  bool perLanguage_ = false;
};

// An archive from the pool, opened on the module file at path; open or not, it is returned.
s::base::Owned<Archive> OpenModuleArchive(const char16_t* path);

}  // namespace s::archive::dll::win
