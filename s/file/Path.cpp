#include "s/file/Path.h"

#include "s/file/FileSystem.h"

namespace s::file {

using s::str::strbuffer::newStr;

namespace {

constexpr char16_t kSeparators[] = u"\\/";

}  // namespace

Path::Path(const char16_t* text) : text_(newStr(text)) {}

Path Path::folder() const {
  std::uint32_t at = 0;
  if (!text_->lastIndexOfAny(kSeparators, 2, &at)) return Path(u"");
  auto part = text_->substring(0, at);
  return Path(part->text());
}

bool Path::isFile() const { return fileExists(text()); }

bool Path::isFolder() const { return folderExists(text()); }

bool Path::size(std::uint64_t* bytes) const { return fileSize(text(), bytes); }

bool Path::readAll(s::col::_array::ArrayU08& bytes) const { return readWholeFile(text(), bytes); }

bool Path::createFolders() const {
  if (text_->isEmpty() || isFolder()) return true;
  Path parent = folder();
  // A drive ("C:") or the root ends the climb.
  if (parent.text_->length() > 0 && parent.text_->charAt(parent.text_->length() - 1) != u':' &&
      !parent.createFolders()) {
    return false;
  }
  return createOneFolder(text());
}

bool Path::writeAll(const void* bytes, std::uint32_t count) const {
  return writeWholeFile(text(), bytes, count);
}

}  // namespace s::file
