#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "s/archive/dll/IArchive.h"
#include "s/io/IOutputStream.h"

namespace support {

struct Resource {
  std::u16string typeName;
  std::uint32_t id;
  std::vector<std::uint8_t> bytes;
  // Whether read() reports success; the bytes are written either way, as a read that fails
  // part way leaves some behind.
  bool readable = true;
};

// An archive of resources with type names, in list order, that notes the entry each read asked
// for: enough to read resources without a module.
class ResourceList : public s::archive::dll::IArchive {
 public:
  explicit ResourceList(std::vector<Resource> resources) : resources_(std::move(resources)) {}

  const char16_t* className() const override { return u"test_ResourceList"; }
  s::base::IObject* newInstance() const override { return nullptr; }
  bool open(const char16_t*) override { return true; }
  void close() override {}
  bool isOpen() const override { return true; }
  std::uint32_t entryCount() const override {
    return static_cast<std::uint32_t>(resources_.size());
  }
  bool read(std::uint32_t index, s::io::IOutputStream& stream) const override {
    reads.push_back(index);
    const Resource& r = resources_.at(index);
    const bool written =
        r.bytes.empty() || stream.write(r.bytes.data(), static_cast<std::uint32_t>(r.bytes.size()));
    return written && r.readable;
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
    for (std::uint32_t i = 0; i < resources_.size(); ++i) {
      if (resources_[i].typeName == typeName && resources_[i].id == id) {
        *index = i;
        return true;
      }
    }
    return false;
  }

  mutable std::vector<std::uint32_t> reads;

 private:
  std::vector<Resource> resources_;
};

// An archive that holds one resource.
class OneResourceArchive final : public ResourceList {
 public:
  OneResourceArchive(const char16_t* typeName, std::uint32_t id, const std::string& bytes,
                     bool readable = true)
      : ResourceList({Resource{typeName, id, std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                               readable}}) {}
};

}  // namespace support
