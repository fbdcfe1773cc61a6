// Loads arbitrary bytes as a JPEG picture the way the program loads its embedded pictures:
// whatever the bytes, the process must go on (no crash, no exit) and release everything.
#include <cstddef>
#include <cstdint>

#include "s/base/Owned.h"
#include "s/image/BufferedImage.h"
#include "s/image/PictureLoader.h"
#include "s/image/jpg/Jpeg.h"
#include "s/thread/Pool.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  s::base::Owned<s::image::jpg::win::Jpeg> jpeg = s::thread::obtain<s::image::jpg::win::Jpeg>();
  const bool decoded = s::image::readPicture(data, static_cast<std::uint32_t>(size), *jpeg);
  if (decoded != !jpeg->isEmpty()) __builtin_trap();
  s::base::Owned<s::image::win::BufferedImage> image(jpeg->toBufferedImage());
  if (image->width() != jpeg->width() || image->height() != jpeg->height()) __builtin_trap();
  return 0;
}
