#pragma once

#include <cstdint>
#include <vector>

#include "s/base/Owned.h"
#include "s/image/IBufferedImage.h"
#include "s/image/bmp/Bitmap.h"
#include "s/thread/IPoolable.h"

namespace s::image::filters {
class IFilter;
}

// Windows-facing name; the surface is a DIB section on Windows and plain memory on the host.
namespace s::image::win {

// The toolkit's working picture: 32-bit pixels (blue, green, red, alpha) over a bottom-up
// surface, addressed top-down by row. Used by one thread at a time.
class BufferedImage final : public s::image::IBufferedImage, public s::thread::IPoolable {
 public:
  BufferedImage() = default;
  BufferedImage(const BufferedImage&) = delete;
  BufferedImage& operator=(const BufferedImage&) = delete;

  const char16_t* className() const override { return u"s_image_win_BufferedImage"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Gives back the surface, the scaled copy and the filtered copy.
  void reset() override;

  std::int32_t width() const override { return width_; }
  std::int32_t height() const override { return height_; }
  // The platform bitmap of the surface (an HBITMAP on Windows, null on the host).
  void* surfaceHandle() const { return surface_ ? surface_->handle() : nullptr; }
  void setSize(std::int32_t width, std::int32_t height) override;
  bool ensureCapacity(std::int32_t width, std::int32_t height) override;
  bool create(std::int32_t width, std::int32_t height) override;
  // A new image of the same class, created at width x height, owned by the caller.
  BufferedImage* makeScaledCopy(std::int32_t width, std::int32_t height) const;
  std::int32_t capacityWidth() const override { return capacityWidth_; }
  std::int32_t capacityHeight() const override { return capacityHeight_; }
  std::uint8_t* row(std::int32_t r) const override {
    return bits_ + static_cast<std::intptr_t>(capacityHeight_ - r - 1) * capacityStride_;
  }
  bool alphaInUse() const override { return alphaInUse_; }
  void setAlphaInUse(bool inUse) override { alphaInUse_ = inUse; }

  std::int32_t pixelCount() const { return pixelCount_; }
  std::int32_t byteCount() const { return byteCount_; }
  std::int32_t stride() const { return stride_; }
  std::int32_t capacityStride() const { return capacityStride_; }
  std::int32_t capacityByteCount() const { return capacityByteCount_; }

  BufferedImage* scaledCopy() const { return scaledCopy_.get(); }
  // Takes ownership of copy, releasing the previous one.
  void setScaledCopy(BufferedImage* copy);

  // Windows build only: copies the top-left width x height pixels (clipped to the image) to
  // (x, y) of the device context dc; with fit, draws the scaled copy for (width, height).
  void drawTo(void* dc, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              bool fit);

  // Copies the rectangle (sourceX, sourceY, width, height) of this image to (x, y) of target,
  // clipped at both images' edges; with scale, the scaled copy for (width, height) is the source.
  void copyInto(BufferedImage& target, std::int32_t x, std::int32_t y, std::int32_t sourceX,
                std::int32_t sourceY, std::int32_t width, std::int32_t height, bool scale);

  // The turns and mirrors: into target (resized) when given, else into a new image owned by
  // the caller. Each copies the alpha-in-use flag.
  BufferedImage* rotateClockwise(BufferedImage* target = nullptr) const;
  BufferedImage* rotateCounterClockwise(BufferedImage* target = nullptr) const;
  BufferedImage* rotate180(BufferedImage* target = nullptr) const;
  BufferedImage* mirrorHorizontal(BufferedImage* target = nullptr) const;
  BufferedImage* mirrorVertical(BufferedImage* target = nullptr) const;

  // Filters are borrowed and run in the order added; changing them drops the cached result.
  void addFilter(s::image::filters::IFilter* filter);
  void clearFilters();
  // Call after changing the pixels so that the next filtered copy is computed again.
  void pixelsChanged();
  // The result of running the filters over this image (this image itself when there are
  // none); cached until the filters or the pixels change. Owned by this image.
  const BufferedImage* filteredCopy();

 private:
  enum class Turn { kClockwise, kCounterClockwise, kHalf, kMirrorHorizontal, kMirrorVertical };
  BufferedImage* turn(Turn kind, BufferedImage* target) const;
  void setCapacity(std::int32_t width, std::int32_t height);

  s::base::Owned<s::image::bmp::win::Bitmap> surface_;
  std::uint8_t* bits_ = nullptr;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t pixelCount_ = 0;
  std::int32_t byteCount_ = 0;
  std::int32_t stride_ = 0;
  std::int32_t capacityWidth_ = 0;
  std::int32_t capacityHeight_ = 0;
  std::int32_t capacityPixelCount_ = 0;
  std::int32_t capacityByteCount_ = 0;
  std::int32_t capacityStride_ = 0;
  s::base::Owned<BufferedImage> scaledCopy_;
  bool alphaInUse_ = false;
  std::vector<s::image::filters::IFilter*> filters_;
  s::base::Owned<BufferedImage> filteredCopy_;
};

}  // namespace s::image::win
