#include "s/xml/AttrFactory.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "s/thread/ProcessExit.h"

namespace s::xml {

namespace {

void freeTexts(AttrRecord* record) {
  // The value shares the name's block.
  std::free(record->name);
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

void AttrFactory::closeAtExit(void* factory) {
  static_cast<AttrFactory*>(factory)->destroyFreeObjects();
}

std::uint32_t AttrFactory::sizeOf(void*) { return sizeof(AttrRecord); }

void* AttrFactory::generate() {
  void* record = std::calloc(1, sizeof(AttrRecord));
  if (record == nullptr) throw std::bad_alloc();
  return record;
}

void AttrFactory::resetObject(void* object) { freeTexts(static_cast<AttrRecord*>(object)); }

void AttrFactory::destroyObject(void** object) {
  if (*object == nullptr) return;
  freeTexts(static_cast<AttrRecord*>(*object));
  std::free(*object);
  *object = nullptr;
}

AttrRecord* AttrFactory::make(const char16_t* name, std::uint32_t nameLength, const char16_t* value,
                              std::uint32_t valueLength) {
  auto* record = static_cast<AttrRecord*>(take());
  std::size_t units = std::size_t{nameLength} + valueLength + 2;
  auto* block = static_cast<char16_t*>(std::malloc(units * sizeof(char16_t)));
  if (block == nullptr) {
    giveBack(record);
    throw std::bad_alloc();
  }
  if (nameLength > 0) std::memcpy(block, name, nameLength * sizeof(char16_t));
  block[nameLength] = 0;
  char16_t* valueStart = block + nameLength + 1;
  if (valueLength > 0) std::memcpy(valueStart, value, valueLength * sizeof(char16_t));
  valueStart[valueLength] = 0;
  record->nameLength = nameLength;
  record->name = block;
  record->valueLength = valueLength;
  record->value = valueStart;
  return record;
}

}  // namespace s::xml
