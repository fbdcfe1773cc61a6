#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::file {
class Path;
}

namespace s::xml {

class Attributes;

// An XML element: its name, attributes, text and child elements. Counts of -1 mean "up to the
// terminator"; text between tags is kept as attributes with an empty name.
class IXml : public s::base::IObject {
 public:
  using StrBuffer = s::str::strbuffer::StrBuffer;
  using ArrayU08 = s::col::_array::ArrayU08;

  virtual std::uint32_t childCount() const = 0;
  virtual void clear() = 0;
  virtual void walk(const char16_t* prefix) const = 0;
  // Parses one element from the terminated text; returns the position just after it.
  virtual const char16_t* parse(const char16_t* text) = 0;
  virtual void parseUtf8(const ArrayU08& bytes) = 0;
  virtual const char16_t* name() const = 0;
  // False, and the name unchanged, for a name that would not read back as itself.
  virtual bool setName(const char16_t* text, std::int32_t count = -1) = 0;
  virtual bool nameEquals(const char16_t* text, std::int32_t count = -1) const = 0;
  virtual bool isComment() const = 0;
  virtual IXml* child(std::uint32_t index) const = 0;
  // Null, and no child added, for a name that would not read back as itself.
  virtual IXml* addChild(const char16_t* name, std::int32_t count = -1) = 0;
  virtual void appendChild(IXml* node) = 0;
  virtual void removeChild(std::uint32_t index) = 0;
  virtual bool findChildIndex(const char16_t* name, std::uint32_t* index,
                              std::int32_t count = -1) const = 0;
  virtual IXml* findChild(const char16_t* name, std::int32_t count = -1) const = 0;

  virtual void setAttrInt64(const char16_t* name, std::int64_t value) = 0;
  virtual void setAttrUInt32(const char16_t* name, std::uint32_t value) = 0;
  virtual void setAttrUInt16(const char16_t* name, std::uint16_t value) = 0;
  virtual void setAttrUInt8(const char16_t* name, std::uint8_t value) = 0;
  virtual void setAttrUInt64(const char16_t* name, std::uint64_t value) = 0;
  virtual void setAttrInt32(const char16_t* name, std::int32_t value) = 0;
  virtual void setAttrInt16(const char16_t* name, std::int16_t value) = 0;
  virtual void setAttrInt8(const char16_t* name, std::int8_t value) = 0;
  virtual void setAttrFloat(const char16_t* name, float value) = 0;
  virtual void setAttrDouble(const char16_t* name, double value) = 0;
  // Escapes the value: as an attribute for a named record, as element text for the empty name.
  virtual void setAttrText(const char16_t* name, const char16_t* value) = 0;
  // Lower-case hexadecimal dumps of count values.
  virtual void setAttrHex64(const char16_t* name, const std::uint64_t* values,
                            std::uint32_t count) = 0;
  virtual void setAttrHex32(const char16_t* name, const std::uint32_t* values,
                            std::uint32_t count) = 0;
  virtual void setAttrHex16(const char16_t* name, const std::uint16_t* values,
                            std::uint32_t count) = 0;
  virtual void setAttrHex8(const char16_t* name, const std::uint8_t* values,
                           std::uint32_t count) = 0;
  virtual void setAttrHex32Pairs(const char16_t* name, const std::uint32_t* values,
                                 std::uint32_t count) = 0;

  // True when the stored value starts with "1" or "true".
  virtual bool getBool(const char16_t* name, bool defaultValue) const = 0;
  virtual std::int8_t getInt8(const char16_t* name, std::int8_t defaultValue) const = 0;
  virtual std::int16_t getInt16(const char16_t* name, std::int16_t defaultValue) const = 0;
  virtual std::int32_t getInt32(const char16_t* name, std::int32_t defaultValue) const = 0;
  virtual std::int64_t getInt64(const char16_t* name, std::int64_t defaultValue) const = 0;
  virtual std::uint8_t getUInt8(const char16_t* name, std::uint8_t defaultValue) const = 0;
  virtual std::uint16_t getUInt16(const char16_t* name, std::uint16_t defaultValue) const = 0;
  virtual std::uint32_t getUInt32(const char16_t* name, std::uint32_t defaultValue) const = 0;
  virtual std::uint64_t getUInt64(const char16_t* name, std::uint64_t defaultValue) const = 0;
  // The decoded value (the element's text for the empty name), or the default as it is.
  virtual StrBuffer& getText(StrBuffer& buffer, const char16_t* name, const char16_t* defaultValue,
                             bool append) const = 0;

  // The element as text; into a new buffer when buffer is null (the caller releases it).
  virtual StrBuffer* serialize(StrBuffer* buffer, bool append) const = 0;
  // The element as UTF-8, unterminated; into a new array when bytes is null.
  virtual ArrayU08* serializeUtf8(ArrayU08* bytes, bool append) const = 0;

  virtual Attributes& attributes() = 0;
  virtual const Attributes& attributes() const = 0;

  // Reads the whole file as UTF-8 and parses it; false when the file cannot be read.
  virtual bool loadFile(const char16_t* path) = 0;
  virtual bool load(const s::file::Path& path) = 0;
  // Writes the element as UTF-8 (no byte-order mark), creating the folder when missing.
  virtual bool saveFile(const char16_t* path) const = 0;
  virtual bool save(const s::file::Path& path) const = 0;
};

}  // namespace s::xml
