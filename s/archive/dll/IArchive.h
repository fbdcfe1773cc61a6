#pragma once

#include <cstdint>

#include "s/archive/IArchive.h"
#include "s/archive/dll/IEntry.h"

namespace s::archive::dll {

// The resources of a program module. Every lookup answers the index of the first matching
// entry in enumeration order.
class IArchive : public s::archive::IArchive {
 public:
  virtual const IEntry* entry(std::uint32_t index) const = 0;
  virtual bool findById(std::uint32_t id, std::uint32_t* index) const = 0;
  // The name text exactly (case-sensitive).
  virtual bool findByName(const char16_t* name, std::uint32_t* index) const = 0;
  virtual bool findByNameIgnoreCase(const char16_t* name, std::uint32_t* index) const = 0;
  // The occurrence-th entry (counted from 0) whose type is typeId.
  virtual bool findByTypeIdAndOccurrence(std::uint32_t typeId, std::uint32_t occurrence,
                                         std::uint32_t* index) const = 0;
  virtual bool findByTypeIdAndId(std::uint32_t typeId, std::uint32_t id,
                                 std::uint32_t* index) const = 0;
  virtual bool findByTypeIdAndName(std::uint32_t typeId, const char16_t* name,
                                   std::uint32_t* index) const = 0;
  // A type text equal to typeName (case-sensitive) and a numeric name equal to id.
  virtual bool findByTypeNameAndId(const char16_t* typeName, std::uint32_t id,
                                   std::uint32_t* index) const = 0;
};

}  // namespace s::archive::dll
