#include "s/xml/Attributes.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "s/xml/Names.h"

namespace s::xml {

using s::str::strbuffer::foldAscii;

Attributes::Attributes() = default;

Attributes::~Attributes() { clear(); }

s::base::IObject* Attributes::newInstance() const { return s::thread::takeFromPool<Attributes>(); }

void Attributes::release() { s::thread::giveBackToPool(this); }

bool Attributes::add(const char16_t* name, std::uint32_t nameLength, const char16_t* value,
                     std::uint32_t valueLength) {
  if (!isWritableAttributeName(name, nameLength)) return false;
  records_.append(AttrFactory::instance().make(name, nameLength, value, valueLength));
  return true;
}

std::uint32_t Attributes::find(const char16_t* name, std::uint32_t nameLength) const {
  for (std::uint32_t i = 0; i < records_.count(); ++i) {
    const AttrRecord& record = at(i);
    if (record.nameLength != nameLength) continue;
    std::uint32_t k = 0;
    while (k < nameLength && foldAscii(record.name[k]) == foldAscii(name[k])) ++k;
    if (k == nameLength) return i;
  }
  return kNotFound;
}

std::uint32_t Attributes::removeAll(const char16_t* name, std::uint32_t nameLength) {
  std::uint32_t removed = 0;
  for (std::uint32_t index = find(name, nameLength); index != kNotFound;
       index = find(name, nameLength)) {
    removeAt(index);
    ++removed;
  }
  return removed;
}

void Attributes::clear() {
  // One entry of the pool's lock for the whole list rather than one per record.
  std::uint32_t count = records_.count();
  if (count == 0) return;
  AttrFactory::instance().giveBackMany(reinterpret_cast<void* const*>(records_.items()), count);
  records_.clear();
}

void Attributes::removeAt(std::uint32_t index) {
  AttrFactory::instance().giveBack(records_.removeAt(index));
}

const AttrRecord* Attributes::findRecord(const char16_t* name, std::uint32_t nameLength) const {
  std::uint32_t index = find(name, nameLength);
  return index == kNotFound ? nullptr : &at(index);
}

}  // namespace s::xml
