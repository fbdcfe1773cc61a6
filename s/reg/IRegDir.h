#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/col/_array/ArrayP.h"
#include "s/col/_array/NumberArray.h"
#include "s/reg/NtStatus.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::reg {

// The predefined roots.
constexpr std::uint32_t kHkeyClassesRoot = 0x80000000u;
constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;
constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;
constexpr std::uint32_t kHkeyUsers = 0x80000003u;
constexpr std::uint32_t kHkeyCurrentConfig = 0x80000005u;

// One registry key: a root, a path below it and, while open, a native handle. Reads take a
// default that they give back when the value is missing or has the wrong size; writes create a
// key that is not open and return the native status.
class IRegDir : public s::base::IObject {
 public:
  using StrBuffer = s::str::strbuffer::StrBuffer;
  using StrArray = s::str::strarray::StrArray;
  using ArrayU08 = s::col::_array::ArrayU08;
  using ArrayP = s::col::_array::ArrayP;

  // Root name + "\" + path, and native root + "\" + path.
  virtual const StrBuffer& fullName() const = 0;
  virtual const StrBuffer& nativeName() const = 0;
  // A new key on the same root, opened on the path up to its last "\" (the root itself when
  // the path has none).
  virtual s::base::Owned<IRegDir> parent() const = 0;
  // One newly opened key per sub-key, in enumeration order; the array owns them.
  virtual s::base::Owned<ArrayP> subKeys() = 0;
  // As subKeys(), only the sub-keys whose name starts with prefix, ignoring case.
  virtual s::base::Owned<ArrayP> subKeysWithPrefix(const char16_t* prefix) = 0;
  virtual std::uint32_t root() const = 0;
  // Sets the root with its names; an unknown constant sets only the root.
  virtual void setRoot(std::uint32_t root) = 0;
  virtual const StrBuffer& path() const = 0;
  // Stores the path (trailing "\" stripped) and opens it with full access.
  [[nodiscard]] virtual NtStatus setPathAndOpen(const char16_t* path) = 0;
  // The last component of the path, into out (emptied first unless append).
  virtual StrBuffer& name(StrBuffer& out, bool append) const = 0;
  virtual s::base::Owned<StrBuffer> name() const = 0;
  // Opens a full name such as "HKEY_LOCAL_MACHINE\SOFTWARE"; an unknown root opens
  // HKEY_CURRENT_USER "InvalidKey".
  virtual NtStatus openByName(const char16_t* fullName) = 0;
  [[nodiscard]] virtual NtStatus open(std::uint32_t root, const char16_t* path) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Closes and opens again an open key; a closed key stays closed and gives false.
  virtual bool reopen() = 0;
  // Creates the key (and, when needed, its missing ancestors) and opens it.
  [[nodiscard]] virtual NtStatus create() = 0;
  // Deletes every sub-key, recursively, then the key itself when deleteSelf.
  virtual NtStatus deleteTree(bool deleteSelf) = 0;
  virtual NtStatus rename(const char16_t* newName) = 0;
  virtual NtStatus flush() = 0;
  // Reads a value into the key's value buffer; with an expected type other than -1, true only
  // when the stored type equals it.
  virtual bool queryValue(const char16_t* name, std::uint32_t* type, std::uint32_t* size,
                          std::int32_t expectedType) = 0;
  virtual s::base::Owned<StrArray> valueNames() = 0;
  // Sum of value data sizes of this key (includeValues) and, with recurse, of every sub-key.
  virtual std::uint64_t totalSize(bool recurse, std::uint32_t* valueCount, std::uint32_t* keyCount,
                                  bool includeValues) = 0;
  virtual std::uint32_t valueSize(const char16_t* name) = 0;

  virtual std::uint8_t getUInt8(const char16_t* name, std::uint8_t fallback) = 0;
  virtual std::uint16_t getUInt16(const char16_t* name, std::uint16_t fallback) = 0;
  virtual std::uint32_t getUInt32(const char16_t* name, std::uint32_t fallback) = 0;
  virtual std::uint64_t getUInt64(const char16_t* name, std::uint64_t fallback) = 0;
  virtual std::int8_t getInt8(const char16_t* name, std::int8_t fallback) = 0;
  virtual std::int16_t getInt16(const char16_t* name, std::int16_t fallback) = 0;
  virtual std::int32_t getInt32(const char16_t* name, std::int32_t fallback) = 0;
  virtual std::int64_t getInt64(const char16_t* name, std::int64_t fallback) = 0;
  virtual float getFloat(const char16_t* name, float fallback) = 0;
  virtual double getDouble(const char16_t* name, double fallback) = 0;
  virtual bool getBool(const char16_t* name, bool fallback) = 0;
  // REG_SZ or REG_EXPAND_SZ text, valid until the next read on this key; the fallback otherwise.
  virtual const char16_t* getString(const char16_t* name, const char16_t* fallback,
                                    bool* wasExpandable, bool expand) = 0;
  virtual s::base::Owned<StrArray> getStringList(const char16_t* name) = 0;
  // The value's bytes into out (replacing its content); false when the value does not exist.
  virtual bool getBinary(const char16_t* name, ArrayU08& out) = 0;
  // The value's bytes in a new array, or null when the value does not exist.
  virtual s::base::Owned<ArrayU08> getBinary(const char16_t* name) = 0;
  virtual NtStatus deleteValue(const char16_t* name) = 0;

  virtual NtStatus setUInt8(const char16_t* name, std::uint8_t value) = 0;
  virtual NtStatus setUInt16(const char16_t* name, std::uint16_t value) = 0;
  virtual NtStatus setUInt32(const char16_t* name, std::uint32_t value) = 0;
  virtual NtStatus setUInt64(const char16_t* name, std::uint64_t value) = 0;
  virtual NtStatus setInt8(const char16_t* name, std::int8_t value) = 0;
  virtual NtStatus setInt16(const char16_t* name, std::int16_t value) = 0;
  virtual NtStatus setInt32(const char16_t* name, std::int32_t value) = 0;
  virtual NtStatus setInt64(const char16_t* name, std::int64_t value) = 0;
  virtual NtStatus setFloat(const char16_t* name, float value) = 0;
  virtual NtStatus setDouble(const char16_t* name, double value) = 0;
  virtual NtStatus setBool(const char16_t* name, bool value) = 0;
  virtual NtStatus setString(const char16_t* name, const char16_t* value) = 0;
  virtual NtStatus setExpandString(const char16_t* name, const char16_t* value) = 0;
  virtual NtStatus setStringList(const char16_t* name, const StrArray& values) = 0;
  virtual NtStatus setBinary(const char16_t* name, const ArrayU08& value) = 0;
  // Writes raw data of any type, as found by a read, e.g. to put a value back.
  virtual NtStatus setValue(const char16_t* name, std::uint32_t type, const void* data,
                            std::uint32_t size) = 0;

  // Gives the key back to its pool.
  virtual void release() = 0;
};

}  // namespace s::reg
