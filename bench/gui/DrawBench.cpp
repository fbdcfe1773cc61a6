// The About window's frame (340 x 285, scheme "Classic LG") and a status bar with its gradient
// and size grip painted into a buffered image through the image surface, each against a plain
// fill of the same area: one fill through the surface, and a bare loop over the rows (the
// memory floor). Rates are in pixels per second ("items").
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/gui/drawer/statusbar/Basic.h"
#include "s/gui/drawer/window/Thin.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

namespace {

using s::base::Owned;
using s::gui::drawer::ImageSurface;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using s::image::win::BufferedImage;

constexpr int kFrameWidth = 340;
constexpr int kFrameHeight = 285;
constexpr int kBarWidth = 340;
constexpr int kBarHeight = 23;

Owned<BufferedImage> canvas(int width, int height) {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  image->create(width, height);
  return image;
}

void setRate(benchmark::State& state, int width, int height) {
  state.SetItemsProcessed(state.iterations() * std::int64_t{width} * height);
}

void BM_AboutFrame(benchmark::State& state) {
  Owned<BufferedImage> image = canvas(kFrameWidth, kFrameHeight);
  ImageSurface surface(*image);
  auto window = s::gui::drawer::window::win::Thin::create(rgb(17, 17, 17), rgb(116, 116, 116));
  for (auto _ : state) {
    window->paint(surface, Rect{0, 0, kFrameWidth, kFrameHeight});
    benchmark::DoNotOptimize(image->row(0)[0]);
  }
  setRate(state, kFrameWidth, kFrameHeight);
}

void BM_StatusBar(benchmark::State& state) {
  Owned<BufferedImage> image = canvas(kBarWidth, kBarHeight);
  ImageSurface surface(*image);
  auto bar = s::gui::drawer::statusbar::win::Basic::create();
  bar->setGradient(true);
  bar->setSizeGrip(true);
  for (auto _ : state) {
    bar->paint(surface, Rect{0, 0, kBarWidth, kBarHeight});
    benchmark::DoNotOptimize(image->row(0)[0]);
  }
  setRate(state, kBarWidth, kBarHeight);
}

// One fill of the whole area through the surface.
void BM_SurfaceFill(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  Owned<BufferedImage> image = canvas(width, height);
  ImageSurface surface(*image);
  for (auto _ : state) {
    surface.fillRect(Rect{0, 0, width, height}, rgb(116, 116, 116));
    benchmark::DoNotOptimize(image->row(0)[0]);
  }
  setRate(state, width, height);
}

// The floor: every pixel written once, row by row, with nothing in between.
void BM_PlainFill(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  Owned<BufferedImage> image = canvas(width, height);
  for (auto _ : state) {
    for (int r = 0; r < height; ++r) {
      auto* row = reinterpret_cast<std::uint32_t*>(image->row(r));
      std::fill(row, row + width, 0xFF747474u);
    }
    benchmark::DoNotOptimize(image->row(0)[0]);
    benchmark::ClobberMemory();
  }
  setRate(state, width, height);
}

}  // namespace

BENCHMARK(BM_AboutFrame);
BENCHMARK(BM_SurfaceFill)->Args({kFrameWidth, kFrameHeight});
BENCHMARK(BM_PlainFill)->Args({kFrameWidth, kFrameHeight});
BENCHMARK(BM_StatusBar);
BENCHMARK(BM_SurfaceFill)->Args({kBarWidth, kBarHeight});
BENCHMARK(BM_PlainFill)->Args({kBarWidth, kBarHeight});

BENCHMARK_MAIN();
