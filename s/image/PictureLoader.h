#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/image/IImage.h"

namespace s::col::_array {
template <class T>
class NumberArray;
}

namespace s::image {

// Where the program's pictures come from: the module resource archive in the program, test
// bytes in the tests.
class IPictureSource {
 public:
  virtual ~IPictureSource() = default;
  // Appends the bytes of the resource (typeName, id) to bytes; false when there is none.
  virtual bool readResource(const char16_t* typeName, std::uint32_t id,
                            s::col::_array::NumberArray<std::uint8_t>& bytes) = 0;
};

// A picture of the kind the type name asks for ("IDR_JPG": a JPEG, "IDR_GIF": a GIF), decoded
// from the resource (typeName, id); empty when the resource is missing or does not decode, and
// always empty for a GIF, which has no decoder. Null for a type name of no picture kind.
s::base::Owned<IImage> loadPicture(IPictureSource& source, const char16_t* typeName,
                                   std::uint32_t id);

// Decodes picture from bytes through a memory input stream.
bool readPicture(const void* bytes, std::uint32_t size, IImage& picture);

}  // namespace s::image
