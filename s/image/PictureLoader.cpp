#include "s/image/PictureLoader.h"

#include <string_view>

#include "s/col/_array/NumberArray.h"
#include "s/image/gif/Gif.h"
#include "s/image/jpg/Jpeg.h"
#include "s/io/MemoryInputStream.h"
#include "s/thread/Pool.h"

namespace s::image {

s::base::Owned<IImage> loadPicture(IPictureSource& source, const char16_t* typeName,
                                   std::uint32_t id) {
  const std::u16string_view type = typeName == nullptr ? u"" : typeName;
  // The GIF kind has no decoder, so there is nothing to read: an empty picture, never none.
  if (type == u"IDR_GIF") {
    return s::base::Owned<IImage>(s::thread::takeFromPool<s::image::gif::win::Gif>());
  }
  if (type != u"IDR_JPG") return nullptr;
  s::base::Owned<IImage> picture(s::thread::takeFromPool<s::image::jpg::win::Jpeg>());
  s::base::Owned<s::col::_array::ArrayU08> bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  if (source.readResource(typeName, id, *bytes)) {
    readPicture(bytes->items(), bytes->count(), *picture);
  }
  return picture;
}

bool readPicture(const void* bytes, std::uint32_t size, IImage& picture) {
  s::base::Owned<s::io::MemoryInputStream> stream = s::thread::obtain<s::io::MemoryInputStream>();
  stream->open(bytes, size);
  const bool decoded = picture.decode(*stream);
  stream->close();
  return decoded;
}

}  // namespace s::image
