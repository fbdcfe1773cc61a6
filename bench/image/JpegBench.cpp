// Banner 131 from its JPEG bytes to a buffered image, as the About window gets it, against
// libjpeg-turbo decoding the same bytes straight into 32-bit blue, green, red, alpha memory.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

// clang-format off
#include <jpeglib.h>
// clang-format on

#include "s/base/Owned.h"
#include "s/image/BufferedImage.h"
#include "s/image/PictureLoader.h"
#include "s/image/jpg/Jpeg.h"
#include "s/thread/Pool.h"

namespace {

const std::vector<std::uint8_t>& banner() {
  static const std::vector<std::uint8_t> bytes = [] {
    std::ifstream file(VEXO_IMAGES_DIR "/banner-131.jpg", std::ios::binary);
    std::vector<std::uint8_t> read((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
    if (read.empty()) std::fprintf(stderr, "banner-131.jpg not found\n");
    return read;
  }();
  return bytes;
}

void BM_JpegToBufferedImage(benchmark::State& state) {
  const std::vector<std::uint8_t>& bytes = banner();
  s::base::Owned<s::image::jpg::win::Jpeg> jpeg = s::thread::obtain<s::image::jpg::win::Jpeg>();
  for (auto _ : state) {
    s::image::readPicture(bytes.data(), static_cast<std::uint32_t>(bytes.size()), *jpeg);
    s::base::Owned<s::image::win::BufferedImage> image(jpeg->toBufferedImage());
    benchmark::DoNotOptimize(image->row(0)[0]);
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t{jpeg->width()} * jpeg->height());
}
BENCHMARK(BM_JpegToBufferedImage);

// The least a decoder into our pixel order can do: one decode into fresh memory.
void BM_LibjpegToBgra(benchmark::State& state) {
  const std::vector<std::uint8_t>& bytes = banner();
  std::int64_t pixels = 0;
  for (auto _ : state) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    const std::size_t stride = std::size_t{info.output_width} * 4;
    std::unique_ptr<std::uint8_t[]> out(new std::uint8_t[stride * info.output_height]);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = out.get() + stride * info.output_scanline;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    pixels = std::int64_t{info.output_width} * info.output_height;
    jpeg_destroy_decompress(&info);
    benchmark::DoNotOptimize(out[0]);
  }
  state.SetItemsProcessed(state.iterations() * pixels);
}
BENCHMARK(BM_LibjpegToBgra);

}  // namespace
