// Throughput of the 16.16 two-pass resampler on the program's picture sizes and on a large
// photograph, side by side with a float reference resizer and with the memory floor. Rates are
// in source megapixels per second ("items").
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

#include "s/base/Owned.h"
#include "s/image/BufferedImage.h"
#include "s/image/filters/scale/Resampler.h"
#include "s/thread/Pool.h"

namespace {

using s::base::Owned;
using s::image::win::BufferedImage;

struct Case {
  int sourceWidth, sourceHeight, width, height;
};
const Case kCases[] = {{700, 230, 340, 111}, {230, 700, 64, 195}, {4000, 3000, 1000, 750}};

Owned<BufferedImage> noise(int width, int height) {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  image->create(width, height);
  std::uint32_t seed = 12345;
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width * 4; ++c) {
      seed = seed * 1103515245u + 12345u;
      image->row(r)[c] = static_cast<std::uint8_t>(seed >> 16);
    }
  }
  return image;
}

void setRate(benchmark::State& state, const Case& c) {
  state.SetItemsProcessed(state.iterations() * std::int64_t{c.sourceWidth} * c.sourceHeight);
  state.SetLabel(std::to_string(c.sourceWidth) + "x" + std::to_string(c.sourceHeight) + "->" +
                 std::to_string(c.width) + "x" + std::to_string(c.height));
}

using s::image::filters::scale::Resampler;

// The path scale() takes: SSE2 where the processor has it.
void BM_Resampler(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  Owned<BufferedImage> source = noise(c.sourceWidth, c.sourceHeight);
  Owned<BufferedImage> target = s::thread::obtain<BufferedImage>();
  for (auto _ : state) {
    Resampler::scale(*source, *target, c.width, c.height);
    benchmark::DoNotOptimize(target->row(0)[0]);
  }
  setRate(state, c);
}

// The plain path, byte by byte, as every scaling ran before the SSE2 path.
void BM_ResamplerPlain(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  Owned<BufferedImage> source = noise(c.sourceWidth, c.sourceHeight);
  Owned<BufferedImage> target = s::thread::obtain<BufferedImage>();
  for (auto _ : state) {
    Resampler::scaleOn(Resampler::Path::kPlain, *source, *target, c.width, c.height);
    benchmark::DoNotOptimize(target->row(0)[0]);
  }
  setRate(state, c);
}

void BM_StbTriangle(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  Owned<BufferedImage> source = noise(c.sourceWidth, c.sourceHeight);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(c.width) * c.height * 4);
  // The surface is bottom-up: start at the last row and walk back with a negative stride is
  // not allowed, so hand over the memory as it lies (the picture upside down, same work).
  const std::uint8_t* pixels = source->row(c.sourceHeight - 1);
  for (auto _ : state) {
    stbir_resize_uint8_generic(pixels, c.sourceWidth, c.sourceHeight, c.sourceWidth * 4, out.data(),
                               c.width, c.height, c.width * 4, 4, STBIR_ALPHA_CHANNEL_NONE, 0,
                               STBIR_EDGE_CLAMP, STBIR_FILTER_TRIANGLE, STBIR_COLORSPACE_LINEAR,
                               nullptr);
    benchmark::DoNotOptimize(out[0]);
  }
  setRate(state, c);
}

// Reads every source pixel once and writes every destination pixel once: no resampler can
// beat this.
void BM_MemoryFloor(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  Owned<BufferedImage> source = noise(c.sourceWidth, c.sourceHeight);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(c.width) * c.height);
  const std::size_t words = static_cast<std::size_t>(c.sourceWidth) * c.sourceHeight;
  for (auto _ : state) {
    const std::uint32_t* in =
        reinterpret_cast<const std::uint32_t*>(source->row(c.sourceHeight - 1));
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < words; ++i) sum += in[i];
    for (std::uint32_t& pixel : out) pixel = sum;
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  setRate(state, c);
}

}  // namespace

BENCHMARK(BM_Resampler)->DenseRange(0, 2);
BENCHMARK(BM_ResamplerPlain)->DenseRange(0, 2);
BENCHMARK(BM_StbTriangle)->DenseRange(0, 2);
BENCHMARK(BM_MemoryFloor)->DenseRange(0, 2);

BENCHMARK_MAIN();
