#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::gui::win {

// A device context compatible with a window's screen, with a buffered image's surface selected
// into it, so that ordinary drawing calls render into the image.
class MemDC final : public s::base::IObject, public s::thread::IPoolable {
 public:
  // Released memory contexts are destroyed, never kept.
  static constexpr std::uint32_t kPoolCapacity = 0;

  MemDC() = default;
  ~MemDC() override;
  MemDC(const MemDC&) = delete;
  MemDC& operator=(const MemDC&) = delete;

  // A memory context for window's screen (null: the whole screen) drawing into image; with
  // ownsImage the context gives the image back to its pool when released. The result is
  // owned by the caller; dc() is null when the platform refused.
  static MemDC* create(HWND window, s::image::win::BufferedImage* image, bool ownsImage);

  const char16_t* className() const override { return u"s_gui_win_MemDC"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Selects the previous bitmap back, deletes the context and lets go of the image.
  void reset() override;

  HDC dc() const { return dc_; }
  s::image::win::BufferedImage* image() const { return image_; }

 private:
  HDC dc_ = nullptr;
  s::image::win::BufferedImage* image_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  bool ownsImage_ = false;
};

}  // namespace s::gui::win
