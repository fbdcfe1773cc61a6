#include "s/image/jpg/Jpeg.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>

// libjpeg's headers need size_t and FILE declared first, and jerror.h builds on jpeglib.h.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "s/io/IInputStream.h"
#include "s/thread/Pool.h"

namespace s::image::jpg::win {

namespace {

using s::image::bmp::win::Bitmap;

// libjpeg's default error exit ends the process; this one jumps back into decode().
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// The program keeps no log, so warnings (corrupt data, premature end) are not printed.
void ignoreMessage(j_common_ptr) {}

// libjpeg decodes a block of the scan on its fast path only while the buffer holds a few
// kilobytes more (about 3 KB for colour halved both ways), so the buffer takes the program's
// pictures whole; it comes from the decompressor's memory, which goes with it.
constexpr std::size_t kSourceBufferSize = 64 * 1024;

struct SourceManager {
  jpeg_source_mgr base;
  s::io::IInputStream* stream;
  JOCTET* buffer;
};

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info) {
  SourceManager* source = reinterpret_cast<SourceManager*>(info->src);
  // A stream may answer a read with no bytes without being at its end; a bounded number of
  // retries keeps a stream that never delivers from hanging the decoder.
  std::uint32_t got = 0;
  for (int attempt = 0; attempt < 64 && got == 0; ++attempt) {
    if (!source->stream->read(source->buffer, kSourceBufferSize, &got)) {
      got = 0;
      break;
    }
  }
  if (got == 0) {
    // Out of data: hand the decoder an end-of-image marker so that it finishes what it has
    // (the missing part stays grey) instead of waiting for more.
    WARNMS(info, JWRN_JPEG_EOF);
    source->buffer[0] = 0xFF;
    source->buffer[1] = JPEG_EOI;
    got = 2;
  }
  source->base.next_input_byte = source->buffer;
  source->base.bytes_in_buffer = got;
  return TRUE;
}

void skipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* source = info->src;
  while (count > static_cast<long>(source->bytes_in_buffer)) {
    count -= static_cast<long>(source->bytes_in_buffer);
    fillInputBuffer(info);
  }
  source->next_input_byte += count;
  source->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

// Stores one decoded scan line of a picture libjpeg cannot give as blue, green, red.
void storeLine(const JSAMPLE* in, int components, JDIMENSION width, std::uint8_t* out) {
  if (components == 4) {
    // Inverted CMYK as Adobe tools store it: each sample is already 255 - ink.
    for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
      const unsigned k = in[3];
      out[0] = static_cast<std::uint8_t>(in[2] * k / 255);
      out[1] = static_cast<std::uint8_t>(in[1] * k / 255);
      out[2] = static_cast<std::uint8_t>(in[0] * k / 255);
    }
  } else if (components == 1) {
    for (JDIMENSION x = 0; x < width; ++x, ++in, out += 3) out[0] = out[1] = out[2] = in[0];
  } else {
    for (JDIMENSION x = 0; x < width; ++x, in += components, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
}

// Reads every scan line into the bitmap: straight into its rows when libjpeg delivers blue,
// green, red itself, else through one line of samples. True when all lines came.
bool readLines(jpeg_decompress_struct& info, Bitmap& bitmap, bool direct) {
  const int components = info.output_components;
  const JDIMENSION width = info.output_width;
  const std::size_t used = std::size_t{width} * 3;
  const std::size_t padding = static_cast<std::size_t>(bitmap.stride()) - used;
  JSAMPARRAY line = nullptr;
  if (!direct) {
    const JDIMENSION rowBytes = static_cast<JDIMENSION>(components < 3 ? 3 : components) * width;
    line =
        (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, rowBytes, 1);
  }
  while (info.output_scanline < info.output_height) {
    const auto done = static_cast<std::int32_t>(info.output_scanline);
    std::uint8_t* row = bitmap.row(done);
    JSAMPROW target = direct ? row : line[0];
    if (jpeg_read_scanlines(&info, &target, 1) != 1) return false;
    if (!direct) storeLine(line[0], components, width, row);
    // The bitmap was not cleared: its rows' padding is, as a created bitmap's would be.
    if (padding > 0) std::memset(row + used, 0, padding);
  }
  return true;
}

// Everything between setjmp and the last libjpeg call is plain C data, so that the jump back
// skips no destructor.
bool decodeInto(s::io::IInputStream& stream, Bitmap& bitmap) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  SourceManager source{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = errorExit;
  errors.base.output_message = ignoreMessage;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&info);
    bitmap.clear();
    return false;
  }
  jpeg_create_decompress(&info);
  source.stream = &stream;
  source.buffer = static_cast<JOCTET*>((*info.mem->alloc_large)(
      reinterpret_cast<j_common_ptr>(&info), JPOOL_PERMANENT, kSourceBufferSize));
  source.base.init_source = initSource;
  source.base.fill_input_buffer = fillInputBuffer;
  source.base.skip_input_data = skipInputData;
  source.base.resync_to_restart = jpeg_resync_to_restart;
  source.base.term_source = termSource;
  info.src = &source.base;

  bool decoded = false;
  if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK &&
      std::int64_t{info.image_width} * info.image_height <= Jpeg::kMaxPixels) {
    // Colour and grey pictures come out of libjpeg in the bitmap's own order; the others
    // (four components, or colour spaces it does not know) are converted here.
    const bool direct = info.out_color_space == JCS_RGB || info.out_color_space == JCS_GRAYSCALE;
    if (direct) info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    // Every row is written below, so the pixels need not be cleared first.
    if (bitmap.createForWriting(static_cast<std::int32_t>(info.output_width),
                                static_cast<std::int32_t>(info.output_height), 24)) {
      // A warning means corrupt or missing data that libjpeg papered over (grey blocks, a
      // picture cut short): such a picture is refused as a whole.
      if (readLines(info, bitmap, direct)) {
        jpeg_finish_decompress(&info);
        decoded = errors.base.num_warnings == 0;
      } else {
        jpeg_abort_decompress(&info);
      }
    } else {
      jpeg_abort_decompress(&info);
    }
  }
  jpeg_destroy_decompress(&info);
  if (!decoded) bitmap.clear();
  return decoded;
}

}  // namespace

Jpeg::Jpeg() : bitmap_(s::thread::takeFromPool<Bitmap>()) {}

s::base::IObject* Jpeg::newInstance() const { return s::thread::takeFromPool<Jpeg>(); }

void Jpeg::release() { s::thread::giveBackToPool(this); }

void Jpeg::reset() {
  bitmap_->clear();
  quality_ = kDefaultQuality;
}

bool Jpeg::decode(s::io::IInputStream& stream) { return decodeInto(stream, *bitmap_); }

s::image::win::BufferedImage* Jpeg::toBufferedImage(s::image::win::BufferedImage* target) const {
  return bitmap_->toBufferedImage(target);
}

}  // namespace s::image::jpg::win
