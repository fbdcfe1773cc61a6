#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/map/IMappedData.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/xml/Node.h"

namespace s::xml {

// The settings store kept in an XML file: a section is a nested element below the root (the
// path split at "\" or "/"), a value is an attribute of the section's element, the empty value
// name is the element's text; names compare without regard to case, numbers are decimal text.
class MappedData final : public s::map::IMappedData {
 public:
  MappedData();
  ~MappedData() override;
  MappedData(const MappedData&) = delete;
  MappedData& operator=(const MappedData&) = delete;

  const char16_t* className() const override { return u"s_xml_MappedData"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Forgets the file and the tree and turns auto-save off.
  void reset() override;

  // Reads the file at path when it exists; a missing file or one without a root element
  // gives an empty root named "savedata". An empty path keeps the store in memory only.
  void attach(const char16_t* path);
  const Node& root() const { return *root_; }

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
  // The file keeps no value types: wasExpandable is always false and nothing is expanded.
  const char16_t* getString(const char16_t* section, const char16_t* name,
                            const char16_t* defaultValue, bool* wasExpandable,
                            bool expand) override;
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
  // Lists are not kept; with auto-save on the store is still saved.
  void setStringList(const char16_t* section, const char16_t* name, const StrArray& list) override;
  void setBinary(const char16_t* section, const char16_t* name, const std::uint8_t* bytes,
                 std::uint32_t count) override;
  bool autoSave() const override { return autoSave_; }
  void setAutoSave(bool on) override { autoSave_ = on; }

 private:
  // The element of the section, creating missing elements when create is set; also its parent
  // and its index there (null parent for the root).
  Node* findSection(const char16_t* section, bool create, Node** parent, std::uint32_t* index);
  void selectSection(const char16_t* section);
  // The section's node for a write with the old records of name removed, or null.
  Node* prepareWrite(const char16_t* section, const char16_t* name);
  void afterWrite();
  const char16_t* storedValue(const char16_t* section, const char16_t* name);

  s::base::Owned<s::str::strbuffer::StrBuffer> filePath_;
  s::base::Owned<Node> root_;
  s::base::Owned<s::str::strbuffer::StrBuffer> currentSection_;
  Node* currentNode_ = nullptr;
  bool autoSave_ = false;
  // Holds the text getString hands out.
  s::base::Owned<s::str::strbuffer::StrBuffer> result_;
};

// A store from the pool attached to the file (see MappedData::attach).
s::base::Owned<MappedData> OpenXmlStore(const char16_t* file);

}  // namespace s::xml
