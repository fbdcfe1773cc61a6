#include "s/file/FileSystem.h"

#include <windows.h>

namespace s::file {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// Closes a file handle on every path out.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  bool close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

DWORD attributesOf(const char16_t* path) { return ::GetFileAttributesW(wide(path)); }

}  // namespace

bool fileExists(const char16_t* path) {
  DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool folderExists(const char16_t* path) {
  DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool fileSize(const char16_t* path, std::uint64_t* size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data)) return false;
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  *size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  return true;
}

bool readWholeFile(const char16_t* path, s::col::_array::ArrayU08& bytes) {
  FileHandle file(::CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD high = 0;
  DWORD low = ::GetFileSize(file.get(), &high);
  if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return false;
  if (high != 0 || low > 0x7FFFFFFF) return false;
  bytes.clear();
  bytes.reserveExact(low);
  unsigned char chunk[4096];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) return false;
    if (got == 0) return true;
    bytes.append(chunk, got);
  }
}

bool createOneFolder(const char16_t* path) {
  if (::CreateDirectoryW(wide(path), nullptr)) return true;
  return ::GetLastError() == ERROR_ALREADY_EXISTS && folderExists(path);
}

bool writeWholeFile(const char16_t* path, const void* bytes, std::uint32_t count) {
  FileHandle file(::CreateFileW(wide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  const auto* at = static_cast<const unsigned char*>(bytes);
  while (count > 0) {
    DWORD put = 0;
    if (!::WriteFile(file.get(), at, count, &put, nullptr) || put == 0) return false;
    at += put;
    count -= put;
  }
  return file.close();
}

}  // namespace s::file
