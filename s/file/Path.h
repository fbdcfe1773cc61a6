#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::file {

// A file or folder path, with what the library asks of the file behind it.
class Path {
 public:
  explicit Path(const char16_t* text);
  Path(Path&&) = default;
  Path& operator=(Path&&) = default;
  Path(const Path&) = delete;
  Path& operator=(const Path&) = delete;

  const char16_t* text() const { return text_->text(); }
  // The folder part: everything before the last separator; empty when there is none.
  Path folder() const;

  bool isFile() const;
  bool isFolder() const;
  bool size(std::uint64_t* bytes) const;
  bool readAll(s::col::_array::ArrayU08& bytes) const;
  // Creates this folder and any missing parents.
  bool createFolders() const;
  bool writeAll(const void* bytes, std::uint32_t count) const;

 private:
  s::base::Owned<s::str::strbuffer::StrBuffer> text_;
};

}  // namespace s::file
