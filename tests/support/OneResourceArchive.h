#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "s/archive/dll/IArchive.h"

namespace support {

// An archive that holds at most one resource: enough to read a resource without a module.
class OneResourceArchive final : public s::archive::dll::IArchive {
 public:
  OneResourceArchive(const char16_t* typeName, std::uint32_t id, std::string bytes,
                     bool readable = true)
      : typeName_(typeName), id_(id), bytes_(std::move(bytes)), readable_(readable) {}

  const char16_t* className() const override { return u"test_OneResourceArchive"; }
  s::base::IObject* newInstance() const override { return nullptr; }
  bool open(const char16_t*) override { return true; }
  void close() override {}
  bool isOpen() const override { return true; }
  std::uint32_t entryCount() const override { return 1; }
  bool read(std::uint32_t, s::io::IOutputStream& stream) const override {
    return readable_ && stream.write(bytes_.data(), static_cast<std::uint32_t>(bytes_.size()));
  }
  const s::archive::dll::IEntry* entry(std::uint32_t) const override { return nullptr; }
  bool findById(std::uint32_t, std::uint32_t*) const override { return false; }
  bool findByName(const char16_t*, std::uint32_t*) const override { return false; }
  bool findByNameIgnoreCase(const char16_t*, std::uint32_t*) const override { return false; }
  bool findByTypeIdAndOccurrence(std::uint32_t, std::uint32_t, std::uint32_t*) const override {
    return false;
  }
  bool findByTypeIdAndId(std::uint32_t, std::uint32_t, std::uint32_t*) const override {
    return false;
  }
  bool findByTypeIdAndName(std::uint32_t, const char16_t*, std::uint32_t*) const override {
    return false;
  }
  bool findByTypeNameAndId(const char16_t* typeName, std::uint32_t id,
                           std::uint32_t* index) const override {
    if (id != id_ || std::u16string(typeName) != typeName_) return false;
    *index = 0;
    return true;
  }

 private:
  std::u16string typeName_;
  std::uint32_t id_;
  std::string bytes_;
  bool readable_;
};

}  // namespace support
