#pragma once

#include <cstddef>
#include <cstdint>

#include "s/thread/PoolerBase.h"
#include "s/xml/TextArena.h"

namespace s::xml {

// One attribute of an element, or a piece of its text when the name is empty. Both texts live
// in one text block (name, terminator, value, terminator; see TextArena), a heap block of its
// own or a piece of a reading's chunk; the value is kept in its escaped (entity) form. The
// record itself is a block of the same kind: its own, or cut by a reading that found the pool
// empty.
struct AttrRecord {
  std::uint32_t nameLength;
  char16_t* name;
  std::uint32_t valueLength;
  char16_t* value;
};

// The pool of attribute records: zeroed blocks from the C heap, no size accounting.
class AttrFactory final : public s::thread::PoolerBase {
 public:
  AttrFactory() = default;
  ~AttrFactory() override;

  // The one process-wide pool, created on first use and emptied at process exit.
  static AttrFactory& instance();

  const char16_t* className() const override { return u"s_xml_AttrFactory"; }
  s::base::IObject* newInstance() const override { return new AttrFactory(); }

  std::uint32_t sizeOf(void* object) override;
  void* generate() override;
  void resetObject(void* object) override;
  void destroyObject(void** object) override;

  // A record from the pool holding copies of the two texts.
  AttrRecord* make(const char16_t* name, std::uint32_t nameLength, const char16_t* value,
                   std::uint32_t valueLength) {
    return fill(take(), name, nameLength, value, valueLength);
  }
  // Destroys records as destroyObject would, with one count change per run of blocks from the
  // same chunk.
  void destroyAll(void* const* records, std::uint32_t n);
  // giveBackAll with the records the pool cannot keep destroyed by destroyAll.
  void giveBackMany(void* const* records, std::uint32_t n);
  // Fills a record taken from this pool (by take or takeFree, or cut by a reading) with copies of
  // the two texts, cut from arena when given.
  AttrRecord* fill(void* taken, const char16_t* name, std::uint32_t nameLength,
                   const char16_t* value, std::uint32_t valueLength, TextArena* arena = nullptr);
  // The same from UTF-8 bytes, decoded straight into the record's text block. The bytes before
  // readableEnd may be read, so that texts that end well before it are decoded in whole blocks.
  AttrRecord* fillFromUtf8(void* taken, TextArena& arena, const std::uint8_t* name,
                           std::uint32_t nameBytes, const std::uint8_t* value,
                           std::uint32_t valueBytes, const std::uint8_t* readableEnd);

 private:
  static void closeAtExit(void* factory);
  // Gives a taken record a text block of the given units; the caller fills in the texts.
  AttrRecord* withBlock(void* taken, std::size_t units, TextArena* arena);
};

}  // namespace s::xml
