#include "s/file/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "s/str/strbuffer/StrBuffer.h"

namespace s::file {

namespace {

using s::str::strbuffer::newStr;

// The POSIX spelling of a path: UTF-8 with "/" separators.
std::string nativePath(const char16_t* path) {
  auto text = newStr(path);
  text->replaceAll(u"\\", u"/");
  auto bytes = text->toUtf8();
  return std::string(reinterpret_cast<const char*>(bytes->items()));
}

// Closes a file descriptor on every path out.
class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded (buffered writes can fail here).
  bool close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool statOf(const char16_t* path, struct stat* info) {
  return ::stat(nativePath(path).c_str(), info) == 0;
}

}  // namespace

bool fileExists(const char16_t* path) {
  struct stat info {};
  return statOf(path, &info) && S_ISREG(info.st_mode);
}

bool folderExists(const char16_t* path) {
  struct stat info {};
  return statOf(path, &info) && S_ISDIR(info.st_mode);
}

bool fileSize(const char16_t* path, std::uint64_t* size) {
  struct stat info {};
  if (!statOf(path, &info) || !S_ISREG(info.st_mode)) return false;
  *size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool readWholeFile(const char16_t* path, s::col::_array::ArrayU08& bytes) {
  FileHandle file(::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid()) return false;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > 0x7FFFFFFF) {
    return false;
  }
  bytes.clear();
  bytes.reserveExact(static_cast<std::uint32_t>(info.st_size));
  unsigned char chunk[4096];
  for (;;) {
    ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(chunk, static_cast<std::uint32_t>(got));
  }
}

bool createOneFolder(const char16_t* path) {
  if (::mkdir(nativePath(path).c_str(), 0777) == 0) return true;
  return errno == EEXIST && folderExists(path);
}

bool writeWholeFile(const char16_t* path, const void* bytes, std::uint32_t count) {
  FileHandle file(::open(nativePath(path).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!file.valid()) return false;
  const auto* at = static_cast<const unsigned char*>(bytes);
  while (count > 0) {
    ssize_t put = ::write(file.get(), at, count);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    at += put;
    count -= static_cast<std::uint32_t>(put);
  }
  return file.close();
}

}  // namespace s::file
