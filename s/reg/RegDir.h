#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/reg/IRegDir.h"
#include "s/reg/NativeApi.h"
#include "s/thread/IPoolable.h"

namespace s::reg::win {

// A registry key on the native registry interface, addressed by its native object name and
// opened with full access (or, by openForReading, for reading only). Built on the process's native
// layer (ntdll on Windows, the in-memory registry on the host), so the same code runs in both
// builds.
class RegDir final : public IRegDir, public s::thread::IPoolable {
 public:
  static constexpr std::uint32_t kExpansionUnits = 520;
  static constexpr std::uint32_t kInitialQueryBufferSize = 16384;
  static constexpr std::uint32_t kEnumerationBufferSize = 1024;

  RegDir();
  ~RegDir() override;
  RegDir(const RegDir&) = delete;
  RegDir& operator=(const RegDir&) = delete;

  const char16_t* className() const override { return u"s_reg_win_RegDir"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Closed, at HKEY_LOCAL_MACHINE with an empty path, buffers emptied.
  void reset() override;

  const StrBuffer& fullName() const override { return *fullName_; }
  const StrBuffer& nativeName() const override { return *nativeName_; }
  s::base::Owned<IRegDir> parent() const override;
  s::base::Owned<ArrayP> subKeys() override;
  s::base::Owned<ArrayP> subKeysWithPrefix(const char16_t* prefix) override;
  std::uint32_t root() const override { return root_; }
  void setRoot(std::uint32_t root) override;
  const StrBuffer& path() const override { return *path_; }
  [[nodiscard]] NtStatus setPathAndOpen(const char16_t* path) override;
  StrBuffer& name(StrBuffer& out, bool append) const override;
  s::base::Owned<StrBuffer> name() const override;
  NtStatus openByName(const char16_t* fullName) override;
  [[nodiscard]] NtStatus open(std::uint32_t root, const char16_t* path) override;
  // As open, asking only for the rights to read, so that a key a user may read but not write
  // opens. Writes through it are refused (a missing key is not created) until the next open;
  // its parent and sub-keys open with full access as usual.
  [[nodiscard]] NtStatus openForReading(std::uint32_t root, const char16_t* path);
  void close() override;
  bool isOpen() const override { return handle_ != nullptr; }
  bool reopen() override;
  [[nodiscard]] NtStatus create() override;
  NtStatus deleteTree(bool deleteSelf) override;
  NtStatus rename(const char16_t* newName) override;
  NtStatus flush() override;
  bool queryValue(const char16_t* name, std::uint32_t* type, std::uint32_t* size,
                  std::int32_t expectedType) override;
  s::base::Owned<StrArray> valueNames() override;
  std::uint64_t totalSize(bool recurse, std::uint32_t* valueCount, std::uint32_t* keyCount,
                          bool includeValues) override;
  std::uint32_t valueSize(const char16_t* name) override;

  std::uint8_t getUInt8(const char16_t* name, std::uint8_t fallback) override;
  std::uint16_t getUInt16(const char16_t* name, std::uint16_t fallback) override;
  std::uint32_t getUInt32(const char16_t* name, std::uint32_t fallback) override;
  std::uint64_t getUInt64(const char16_t* name, std::uint64_t fallback) override;
  std::int8_t getInt8(const char16_t* name, std::int8_t fallback) override;
  std::int16_t getInt16(const char16_t* name, std::int16_t fallback) override;
  std::int32_t getInt32(const char16_t* name, std::int32_t fallback) override;
  std::int64_t getInt64(const char16_t* name, std::int64_t fallback) override;
  float getFloat(const char16_t* name, float fallback) override;
  double getDouble(const char16_t* name, double fallback) override;
  bool getBool(const char16_t* name, bool fallback) override;
  const char16_t* getString(const char16_t* name, const char16_t* fallback, bool* wasExpandable,
                            bool expand) override;
  s::base::Owned<StrArray> getStringList(const char16_t* name) override;
  bool getBinary(const char16_t* name, ArrayU08& out) override;
  s::base::Owned<ArrayU08> getBinary(const char16_t* name) override;
  NtStatus deleteValue(const char16_t* name) override;

  NtStatus setUInt8(const char16_t* name, std::uint8_t value) override;
  NtStatus setUInt16(const char16_t* name, std::uint16_t value) override;
  NtStatus setUInt32(const char16_t* name, std::uint32_t value) override;
  NtStatus setUInt64(const char16_t* name, std::uint64_t value) override;
  NtStatus setInt8(const char16_t* name, std::int8_t value) override;
  NtStatus setInt16(const char16_t* name, std::int16_t value) override;
  NtStatus setInt32(const char16_t* name, std::int32_t value) override;
  NtStatus setInt64(const char16_t* name, std::int64_t value) override;
  NtStatus setFloat(const char16_t* name, float value) override;
  NtStatus setDouble(const char16_t* name, double value) override;
  NtStatus setBool(const char16_t* name, bool value) override;
  NtStatus setString(const char16_t* name, const char16_t* value) override;
  NtStatus setExpandString(const char16_t* name, const char16_t* value) override;
  NtStatus setStringList(const char16_t* name, const StrArray& values) override;
  NtStatus setBinary(const char16_t* name, const ArrayU08& value) override;
  NtStatus setValue(const char16_t* name, std::uint32_t type, const void* data,
                    std::uint32_t size) override;

  // Size of the process-wide query buffer; it only grows.
  static std::uint32_t queryBufferSize();

 private:
  // Opens with the stored attributes when not open; the status of that open (0 when open).
  NtStatus ensureOpen();
  NtStatus openPath(const char16_t* path, std::uint32_t access);
  bool readOnly() const { return (access_ & kKeyWriteBits) == 0; }
  // Creates a closed key before a write; the status that stops the write.
  NtStatus ensureCreated();
  NtStatus createLevel(std::uint32_t depth);
  // Reads a value of exactly `size` bytes into out; false otherwise.
  bool readSized(const char16_t* name, std::uint32_t size, void* out);
  NtStatus writeValue(const char16_t* name, std::uint32_t type, const void* data,
                      std::uint32_t size);
  void buildNames();
  s::base::Owned<ArrayP> enumerateSubKeys(const char16_t* prefix);

  ArrayU08 valueBuffer_;
  ArrayU08 expansionBuffer_;
  NtUnicodeString valueName_{};
  NtHandle handle_ = nullptr;
  // What the handle is asked for at each open.
  std::uint32_t access_ = kKeyAllAccess;
  bool nativeReady_ = false;
  std::uint32_t root_ = kHkeyLocalMachine;
  s::base::Owned<StrBuffer> rootName_;
  s::base::Owned<StrBuffer> nativeRoot_;
  s::base::Owned<StrBuffer> path_;
  s::base::Owned<StrBuffer> fullName_;
  s::base::Owned<StrBuffer> nativeName_;
  NtUnicodeString nativeNameString_{};
  NtObjectAttributes attributes_{};
};

}  // namespace s::reg::win

namespace s::reg {

// Takes a key from the pool and opens it; the key comes back open or not.
s::base::Owned<win::RegDir> OpenRegDir(std::uint32_t root, const char16_t* path);

}  // namespace s::reg
