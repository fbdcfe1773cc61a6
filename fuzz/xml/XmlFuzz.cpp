// Feeds arbitrary bytes to the XML reader as a UTF-8 document, checks that reading the bytes
// records exactly what reading the text decoded whole records and that the fast decoder gives
// the text the plain one (one character at a time) gives, reads every value, writes the
// tree back and reads that again. The writer is not a fixed point for malformed input (a
// comment's three-unit name, stray quotes), so only safety is checked, not equality. The input sits
// in an array of exactly its size, so any read past the end shows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/str/strbuffer/Utf8.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"
#include "support/XmlRecords.h"

namespace {

// Reads every text and number of the tree, as a consumer of the document would.
void readAll(const s::xml::Node& node, s::str::strbuffer::StrBuffer& scratch) {
  const auto& attributes = node.attributes();
  for (std::uint32_t i = 0; i < attributes.count(); ++i) {
    const auto& record = attributes.at(i);
    scratch.clear();
    scratch.appendUnits(record.name, record.nameLength);
    node.getText(scratch, scratch.text(), u"", true);
    node.getInt64(scratch.text(), 0);
    node.getUInt32(scratch.text(), 0);
    node.getBool(scratch.text(), false);
  }
  for (std::uint32_t i = 0; i < node.childCount(); ++i) readAll(*node.child(i), scratch);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 20) return 0;
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  bytes->reserveExact(static_cast<std::uint32_t>(size));
  if (size > 0) bytes->append(data, static_cast<std::uint32_t>(size));

  auto first = s::xml::newNode();
  first->parseUtf8(*bytes);
  auto text = s::str::strbuffer::newStr();
  if (size > 0) {
    text->fromUtf8(reinterpret_cast<const char*>(data), false, static_cast<std::uint32_t>(size));
  }
  if (size > 0) {
    std::vector<char16_t> plain(size);
    const char16_t* plainEnd =
        s::str::strbuffer::decodeUtf8Plain(data, static_cast<std::uint32_t>(size), plain.data());
    const auto units = static_cast<std::uint32_t>(plainEnd - plain.data());
    if (units != text->length() ||
        (units > 0 && std::memcmp(plain.data(), text->text(), units * sizeof(char16_t)) != 0)) {
      std::abort();
    }
    // The padded decoder too, with zeros as the slack it may read.
    std::vector<std::uint8_t> padded(data, data + size);
    padded.resize(size + s::str::strbuffer::kUtf8Slack);
    std::vector<char16_t> blocks(size + s::str::strbuffer::kUtf8Slack);
    const char16_t* blocksEnd = s::str::strbuffer::decodeUtf8Padded(
        padded.data(), static_cast<std::uint32_t>(size), blocks.data());
    if (blocksEnd - blocks.data() != plainEnd - plain.data() ||
        (units > 0 && std::memcmp(plain.data(), blocks.data(), units * sizeof(char16_t)) != 0)) {
      std::abort();
    }
  }
  auto fromText = s::xml::newNode();
  fromText->parse(text->text());
  if (support::recordsOf(*first) != support::recordsOf(*fromText)) std::abort();
  auto scratch = s::str::strbuffer::newStr();
  readAll(*first, *scratch);

  s::base::Owned<s::col::_array::ArrayU08> written(first->serializeUtf8(nullptr, false));
  auto second = s::xml::newNode();
  second->parseUtf8(*written);
  readAll(*second, *scratch);

  return 0;
}
