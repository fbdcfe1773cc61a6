#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"
#include "s/xml/AttrFactory.h"
#include "s/xml/PointerList.h"

namespace s::xml {

// The attribute records of one element in the order they were added; the list owns them and
// gives them back to the record pool when cleared.
class Attributes final : public s::base::IObject, public s::thread::IPoolable {
 public:
  static constexpr std::uint32_t kNotFound = 0xFFFFFFFFu;

  Attributes();
  ~Attributes() override;
  Attributes(const Attributes&) = delete;
  Attributes& operator=(const Attributes&) = delete;

  const char16_t* className() const override { return u"s_xml_Attributes"; }
  s::base::IObject* newInstance() const override;
  // Only for lists taken from their pool; a node's own list lives and dies with the node.
  void release() override;
  void reset() override { clear(); }

  std::uint32_t count() const { return records_.count(); }
  const AttrRecord& at(std::uint32_t index) const { return *records_.at(index); }
  // Adds a record with copies of the texts; false, and nothing added, for a name that would
  // not read back as itself (see isWritableAttributeName).
  bool add(const char16_t* name, std::uint32_t nameLength, const char16_t* value,
           std::uint32_t valueLength);
  // Appends a filled record from the record pool; the list owns it from here.
  void append(AttrRecord* record) { records_.append(record); }
  // Room for n records without growing, for a list that is about to be filled.
  void reserveExact(std::uint32_t n) { records_.reserveExact(n); }
  std::uint32_t capacity() const { return records_.capacity(); }
  // Index of the first record whose name equals name (nameLength units) ignoring ASCII case;
  // the empty name finds the first text record. kNotFound when there is none.
  std::uint32_t find(const char16_t* name, std::uint32_t nameLength) const;
  const AttrRecord* findRecord(const char16_t* name, std::uint32_t nameLength) const;
  // Gives the record back to the record pool.
  void removeAt(std::uint32_t index);
  // Removes every record with that name (ignoring ASCII case); returns how many went.
  std::uint32_t removeAll(const char16_t* name, std::uint32_t nameLength);
  void clear();
  // Hands every record to take, which owns it from then on; the list is left empty.
  template <class Take>
  void handOver(Take take) {
    for (std::uint32_t i = 0; i < records_.count(); ++i) take(records_.at(i));
    records_.clear();
  }

 private:
  // Most elements have one or two records: a text, or an attribute and a text.
  PointerList<AttrRecord, 2> records_;
};

}  // namespace s::xml
