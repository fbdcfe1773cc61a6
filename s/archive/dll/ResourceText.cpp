#include "s/archive/dll/ResourceText.h"

#include "s/col/_array/NumberArray.h"
#include "s/thread/Pool.h"

namespace s::archive::dll {

s::base::Owned<s::str::strbuffer::StrBuffer> readResourceText(const IArchive& archive,
                                                              const char16_t* typeName,
                                                              std::uint32_t id) {
  std::uint32_t index = 0;
  if (!archive.findByTypeNameAndId(typeName, id, &index)) return nullptr;
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  if (!archive.read(index, *bytes)) return nullptr;
  auto text = s::str::strbuffer::newStr();
  if (bytes->count() > 0) {
    text->fromUtf8(static_cast<const char*>(bytes->data()), false, bytes->count());
  }
  return text;
}

}  // namespace s::archive::dll
