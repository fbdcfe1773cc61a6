#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/str/strarray/StrArray.h"
#include "s/thread/IPoolable.h"

namespace s::map {

// The settings store: typed values addressed by a section (names joined by "\", the empty
// section being the base) and a value name (the empty name being the section's default value).
// Reads give the caller's default when anything is missing; nothing is reported.
class IMappedData : public s::base::IObject, public s::thread::IPoolable {
 public:
  using ArrayU08 = s::col::_array::ArrayU08;
  using StrArray = s::str::strarray::StrArray;

  // Writes what the store holds to its backing, where that is not written through.
  virtual void save() = 0;
  // Selects the section, creating it when missing; true when it is selected.
  virtual bool openSectionForWrite(const char16_t* section) = 0;
  // Deletes the section and everything below it; the empty section is the whole store.
  virtual void deleteSection(const char16_t* section) = 0;
  // Selects the section without creating it; true when it exists.
  virtual bool openSectionForRead(const char16_t* section) = 0;
  virtual bool hasValue(const char16_t* section, const char16_t* name) = 0;

  virtual std::uint8_t getUInt8(const char16_t* section, const char16_t* name,
                                std::uint8_t defaultValue) = 0;
  virtual std::uint16_t getUInt16(const char16_t* section, const char16_t* name,
                                  std::uint16_t defaultValue) = 0;
  virtual std::uint32_t getUInt32(const char16_t* section, const char16_t* name,
                                  std::uint32_t defaultValue) = 0;
  virtual std::uint64_t getUInt64(const char16_t* section, const char16_t* name,
                                  std::uint64_t defaultValue) = 0;
  virtual std::int8_t getInt8(const char16_t* section, const char16_t* name,
                              std::int8_t defaultValue) = 0;
  virtual std::int16_t getInt16(const char16_t* section, const char16_t* name,
                                std::int16_t defaultValue) = 0;
  virtual std::int32_t getInt32(const char16_t* section, const char16_t* name,
                                std::int32_t defaultValue) = 0;
  virtual std::int64_t getInt64(const char16_t* section, const char16_t* name,
                                std::int64_t defaultValue) = 0;
  virtual float getFloat(const char16_t* section, const char16_t* name, float defaultValue) = 0;
  virtual double getDouble(const char16_t* section, const char16_t* name, double defaultValue) = 0;
  virtual bool getBool(const char16_t* section, const char16_t* name, bool defaultValue) = 0;
  // The text stays valid until the next read of the store; wasExpandable may be null.
  virtual const char16_t* getString(const char16_t* section, const char16_t* name,
                                    const char16_t* defaultValue, bool* wasExpandable,
                                    bool expand) = 0;
  // Null when the store keeps no lists.
  virtual s::base::Owned<StrArray> getStringList(const char16_t* section, const char16_t* name) = 0;
  // The bytes into bytes, or into a new array when bytes is null (the caller releases it);
  // null when the value does not exist.
  virtual ArrayU08* getBinary(const char16_t* section, const char16_t* name, ArrayU08* bytes) = 0;
  virtual void deleteValue(const char16_t* section, const char16_t* name) = 0;

  virtual void setUInt8(const char16_t* section, const char16_t* name, std::uint8_t value) = 0;
  virtual void setUInt16(const char16_t* section, const char16_t* name, std::uint16_t value) = 0;
  virtual void setUInt32(const char16_t* section, const char16_t* name, std::uint32_t value) = 0;
  virtual void setUInt64(const char16_t* section, const char16_t* name, std::uint64_t value) = 0;
  virtual void setInt8(const char16_t* section, const char16_t* name, std::int8_t value) = 0;
  virtual void setInt16(const char16_t* section, const char16_t* name, std::int16_t value) = 0;
  virtual void setInt32(const char16_t* section, const char16_t* name, std::int32_t value) = 0;
  virtual void setInt64(const char16_t* section, const char16_t* name, std::int64_t value) = 0;
  virtual void setFloat(const char16_t* section, const char16_t* name, float value) = 0;
  virtual void setDouble(const char16_t* section, const char16_t* name, double value) = 0;
  virtual void setBool(const char16_t* section, const char16_t* name, bool value) = 0;
  virtual void setString(const char16_t* section, const char16_t* name, const char16_t* value) = 0;
  virtual void setExpandString(const char16_t* section, const char16_t* name,
                               const char16_t* value) = 0;
  virtual void setStringList(const char16_t* section, const char16_t* name,
                             const StrArray& list) = 0;
  virtual void setBinary(const char16_t* section, const char16_t* name, const std::uint8_t* bytes,
                         std::uint32_t count) = 0;
  virtual bool autoSave() const = 0;
  virtual void setAutoSave(bool on) = 0;
};

}  // namespace s::map
