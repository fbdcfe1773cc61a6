#pragma once

// Everything the XML reader recorded for a tree, as one text, so that two readings can be
// compared whole.

#include <cstdint>
#include <string>

#include "s/xml/Node.h"

namespace support {

// "(name[attribute|value]...children...)", depth first, in document order.
inline void appendRecords(const s::xml::Node& node, std::u16string& out) {
  out += u'(';
  out.append(node.name(), node.nameLength());
  const auto& attributes = node.attributes();
  for (std::uint32_t i = 0; i < attributes.count(); ++i) {
    const auto& record = attributes.at(i);
    out += u'[';
    out.append(record.name, record.nameLength);
    out += u'|';
    out.append(record.value, record.valueLength);
    out += u']';
  }
  for (std::uint32_t i = 0; i < node.childCount(); ++i) appendRecords(*node.child(i), out);
  out += u')';
}

inline std::u16string recordsOf(const s::xml::Node& node) {
  std::u16string out;
  appendRecords(node, out);
  return out;
}

}  // namespace support
