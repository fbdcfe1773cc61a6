#pragma once

#include <cstdint>

#include "s/image/PictureLoader.h"

namespace s::archive::dll {
class IArchive;
}

namespace s::image {

// Serves the resources of a module archive as pictures: the program's own pictures come from
// the archive that the application keeps open on its file. Borrows the archive, which must
// outlive it.
class ArchivePictureSource final : public IPictureSource {
 public:
  explicit ArchivePictureSource(const s::archive::dll::IArchive& archive) : archive_(archive) {}
  ArchivePictureSource(const ArchivePictureSource&) = delete;
  ArchivePictureSource& operator=(const ArchivePictureSource&) = delete;

  // Appends the bytes of the first resource whose type text is typeName (case-sensitive) and
  // whose numeric name is id; false, with bytes as they were, when there is none or its bytes
  // cannot all be read.
  bool readResource(const char16_t* typeName, std::uint32_t id,
                    s::col::_array::NumberArray<std::uint8_t>& bytes) override;

 private:
  const s::archive::dll::IArchive& archive_;
};

// load picture (resource archive, type name, id): loadPicture over the archive's resources.
s::base::Owned<IImage> loadPicture(const s::archive::dll::IArchive& archive,
                                   const char16_t* typeName, std::uint32_t id);

}  // namespace s::image
