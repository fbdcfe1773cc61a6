#include "s/xml/AttrFactory.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "s/str/strbuffer/Utf8.h"
#include "s/thread/ProcessExit.h"

namespace s::xml {

namespace {

void freeTexts(AttrRecord* record) {
  // The value shares the name's block.
  TextArena::giveBack(record->name);
  std::memset(record, 0, sizeof(AttrRecord));
}

}  // namespace

AttrFactory::~AttrFactory() { destroyFreeObjects(); }

AttrFactory& AttrFactory::instance() {
  static AttrFactory* const factory = [] {
    auto* created = new AttrFactory();
    s::thread::atProcessExit(&AttrFactory::closeAtExit, created);
    return created;
  }();
  return *factory;
}

void AttrFactory::closeAtExit(void* factory) { static_cast<AttrFactory*>(factory)->close(); }

std::uint32_t AttrFactory::sizeOf(void*) { return sizeof(AttrRecord); }

void* AttrFactory::generate() {
  void* record = TextArena::ownObject(sizeof(AttrRecord));
  std::memset(record, 0, sizeof(AttrRecord));
  return record;
}

void AttrFactory::resetObject(void* object) { freeTexts(static_cast<AttrRecord*>(object)); }

void AttrFactory::destroyObject(void** object) {
  if (*object == nullptr) return;
  freeTexts(static_cast<AttrRecord*>(*object));
  TextArena::giveBack(*object);
  *object = nullptr;
}

void AttrFactory::destroyAll(void* const* records, std::uint32_t n) {
  // A reading's records and their texts were cut one after the other from the same chunks.
  TextArena::Releaser blocks;
  for (std::uint32_t i = 0; i < n; ++i) {
    auto* record = static_cast<AttrRecord*>(records[i]);
    blocks.add(record->name);
    blocks.add(record);
  }
}

void AttrFactory::giveBackMany(void* const* records, std::uint32_t n) {
  std::uint32_t kept = keepAll(records, n);
  if (kept < n) destroyAll(records + kept, n - kept);
}

AttrRecord* AttrFactory::withBlock(void* taken, std::size_t units, TextArena* arena) {
  auto* record = static_cast<AttrRecord*>(taken);
  try {
    record->name = arena != nullptr ? arena->room(units) : TextArena::ownBlock(units);
  } catch (const std::bad_alloc&) {
    // The record may hold anything: it goes back as an empty one.
    std::memset(record, 0, sizeof(AttrRecord));
    giveBack(record);
    throw;
  }
  return record;
}

AttrRecord* AttrFactory::fill(void* taken, const char16_t* name, std::uint32_t nameLength,
                              const char16_t* value, std::uint32_t valueLength, TextArena* arena) {
  AttrRecord* record = withBlock(taken, std::size_t{nameLength} + valueLength + 2, arena);
  char16_t* block = record->name;
  if (nameLength > 0) std::memcpy(block, name, nameLength * sizeof(char16_t));
  block[nameLength] = 0;
  char16_t* valueStart = block + nameLength + 1;
  if (valueLength > 0) std::memcpy(valueStart, value, valueLength * sizeof(char16_t));
  valueStart[valueLength] = 0;
  if (arena != nullptr) arena->commit(valueStart + valueLength + 1);
  record->nameLength = nameLength;
  record->valueLength = valueLength;
  record->value = valueStart;
  return record;
}

AttrRecord* AttrFactory::fillFromUtf8(void* taken, TextArena& arena, const std::uint8_t* name,
                                      std::uint32_t nameBytes, const std::uint8_t* value,
                                      std::uint32_t valueBytes, const std::uint8_t* readableEnd) {
  using s::str::strbuffer::kUtf8Slack;
  // The name lies before the value, so the value's end tells for both.
  const bool padded = readableEnd - (value + valueBytes) >= std::ptrdiff_t{kUtf8Slack};
  char16_t* (*const decode)(const std::uint8_t*, std::uint32_t, char16_t*) =
      padded ? s::str::strbuffer::decodeUtf8Padded : s::str::strbuffer::decodeUtf8;
  // No byte yields more than one unit (a four-byte sequence yields two), so the byte counts
  // bound the units.
  AttrRecord* record =
      withBlock(taken, std::size_t{nameBytes} + valueBytes + 2 + (padded ? kUtf8Slack : 0), &arena);
  char16_t* block = record->name;
  // Text records, most of a document's, have no name.
  char16_t* nameEnd = nameBytes == 0 ? block : decode(name, nameBytes, block);
  *nameEnd = 0;
  char16_t* valueStart = nameEnd + 1;
  char16_t* valueEnd = decode(value, valueBytes, valueStart);
  *valueEnd = 0;
  arena.commit(valueEnd + 1);
  record->nameLength = static_cast<std::uint32_t>(nameEnd - block);
  record->valueLength = static_cast<std::uint32_t>(valueEnd - valueStart);
  record->value = valueStart;
  return record;
}

}  // namespace s::xml
