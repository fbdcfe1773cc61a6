#include "s/image/ArchivePictureSource.h"

#include "s/archive/dll/IArchive.h"
#include "s/col/_array/NumberArray.h"

namespace s::image {

bool ArchivePictureSource::readResource(const char16_t* typeName, std::uint32_t id,
                                        s::col::_array::NumberArray<std::uint8_t>& bytes) {
  std::uint32_t index = 0;
  if (!archive_.findByTypeNameAndId(typeName, id, &index)) return false;
  // The array's stream face writes at its position, which need not be its end.
  const std::uint32_t before = bytes.count();
  bytes.seekEnd();
  if (archive_.read(index, bytes)) return true;
  // A read that ended part way leaves nothing behind.
  bytes.setCount(before);
  bytes.seekEnd();
  return false;
}

s::base::Owned<IImage> loadPicture(const s::archive::dll::IArchive& archive,
                                   const char16_t* typeName, std::uint32_t id) {
  ArchivePictureSource source(archive);
  return loadPicture(source, typeName, id);
}

}  // namespace s::image
