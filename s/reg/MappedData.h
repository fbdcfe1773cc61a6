#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/map/IMappedData.h"
#include "s/reg/RegDir.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::reg {

// The settings store in the registry: each section is a key below one base key under
// HKEY_CURRENT_USER, each value a registry value of the type its setter writes. The registry is
// written through, so save() has nothing to do. At most one section key is held at a time.
class MappedData final : public s::map::IMappedData {
 public:
  MappedData();
  ~MappedData() override;
  MappedData(const MappedData&) = delete;
  MappedData& operator=(const MappedData&) = delete;

  const char16_t* className() const override { return u"s_reg_MappedData"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Releases both keys, empties the section texts and turns auto-save off.
  void reset() override;

  // Takes HKEY_CURRENT_USER path as the base key; the current section becomes the base.
  void attach(const char16_t* path);
  bool isAttached() const { return static_cast<bool>(baseKey_); }

  void save() override;
  bool openSectionForWrite(const char16_t* section) override;
  void deleteSection(const char16_t* section) override;
  bool openSectionForRead(const char16_t* section) override;
  bool hasValue(const char16_t* section, const char16_t* name) override;

  std::uint8_t getUInt8(const char16_t* section, const char16_t* name,
                        std::uint8_t defaultValue) override;
  std::uint16_t getUInt16(const char16_t* section, const char16_t* name,
                          std::uint16_t defaultValue) override;
  std::uint32_t getUInt32(const char16_t* section, const char16_t* name,
                          std::uint32_t defaultValue) override;
  std::uint64_t getUInt64(const char16_t* section, const char16_t* name,
                          std::uint64_t defaultValue) override;
  std::int8_t getInt8(const char16_t* section, const char16_t* name,
                      std::int8_t defaultValue) override;
  std::int16_t getInt16(const char16_t* section, const char16_t* name,
                        std::int16_t defaultValue) override;
  std::int32_t getInt32(const char16_t* section, const char16_t* name,
                        std::int32_t defaultValue) override;
  std::int64_t getInt64(const char16_t* section, const char16_t* name,
                        std::int64_t defaultValue) override;
  float getFloat(const char16_t* section, const char16_t* name, float defaultValue) override;
  double getDouble(const char16_t* section, const char16_t* name, double defaultValue) override;
  bool getBool(const char16_t* section, const char16_t* name, bool defaultValue) override;
  // The stored text is copied into the store, so that it outlives the section key.
  const char16_t* getString(const char16_t* section, const char16_t* name,
                            const char16_t* defaultValue, bool* wasExpandable,
                            bool expand) override;
  // Lists are not kept by this store: always null.
  s::base::Owned<StrArray> getStringList(const char16_t* section, const char16_t* name) override;
  ArrayU08* getBinary(const char16_t* section, const char16_t* name, ArrayU08* bytes) override;
  void deleteValue(const char16_t* section, const char16_t* name) override;

  void setUInt8(const char16_t* section, const char16_t* name, std::uint8_t value) override;
  void setUInt16(const char16_t* section, const char16_t* name, std::uint16_t value) override;
  void setUInt32(const char16_t* section, const char16_t* name, std::uint32_t value) override;
  void setUInt64(const char16_t* section, const char16_t* name, std::uint64_t value) override;
  void setInt8(const char16_t* section, const char16_t* name, std::int8_t value) override;
  void setInt16(const char16_t* section, const char16_t* name, std::int16_t value) override;
  void setInt32(const char16_t* section, const char16_t* name, std::int32_t value) override;
  void setInt64(const char16_t* section, const char16_t* name, std::int64_t value) override;
  void setFloat(const char16_t* section, const char16_t* name, float value) override;
  void setDouble(const char16_t* section, const char16_t* name, double value) override;
  void setBool(const char16_t* section, const char16_t* name, bool value) override;
  void setString(const char16_t* section, const char16_t* name, const char16_t* value) override;
  void setExpandString(const char16_t* section, const char16_t* name,
                       const char16_t* value) override;
  // Lists are not kept: nothing is written (with auto-save on the store still saves).
  void setStringList(const char16_t* section, const char16_t* name, const StrArray& list) override;
  void setBinary(const char16_t* section, const char16_t* name, const std::uint8_t* bytes,
                 std::uint32_t count) override;
  bool autoSave() const override { return autoSave_; }
  void setAutoSave(bool on) override { autoSave_ = on; }

 private:
  // Makes section current and holds a key on its path, open when the key exists.
  void selectSection(const char16_t* section);
  // The key of the section for a getter, or null when the section does not exist.
  win::RegDir* readKey(const char16_t* section);
  template <class T>
  T read(const char16_t* section, const char16_t* name, T defaultValue,
         T (win::RegDir::*getter)(const char16_t*, T));
  template <class T>
  void write(const char16_t* section, const char16_t* name, T value,
             NtStatus (win::RegDir::*setter)(const char16_t*, T));
  void afterWrite();

  s::base::Owned<s::str::strbuffer::StrBuffer> scratchPath_;
  s::base::Owned<s::str::strbuffer::StrBuffer> currentSection_;
  s::base::Owned<win::RegDir> baseKey_;
  s::base::Owned<win::RegDir> sectionKey_;
  bool autoSave_ = false;
  // Holds the text getString hands out.
  s::base::Owned<s::str::strbuffer::StrBuffer> result_;
};

// A store from the pool on HKEY_CURRENT_USER path (attached unless it already is).
s::base::Owned<MappedData> OpenRegistryStore(const char16_t* path);

}  // namespace s::reg
