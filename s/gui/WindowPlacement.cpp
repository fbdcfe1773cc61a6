#include "s/gui/WindowPlacement.h"

namespace s::gui {

namespace {
constexpr std::int32_t kMinimumVisible = 10;

// The same test on one axis: start and extent of the window, start and extent of the screen.
bool axisUsable(std::int32_t start, std::int32_t extent, std::int32_t screenStart,
                std::int32_t screenExtent) {
  if (extent <= kMinimumVisible) return false;
  const std::int64_t screenEnd = std::int64_t{screenStart} + screenExtent;
  const std::int64_t windowEnd = std::int64_t{start} + extent;
  return start <= screenEnd - kMinimumVisible && windowEnd - screenStart > kMinimumVisible - 1;
}
}  // namespace

bool isStoredPositionUsable(const ScreenRect& window, const ScreenRect& screen) {
  return axisUsable(window.x, window.width, screen.x, screen.width) &&
         axisUsable(window.y, window.height, screen.y, screen.height);
}

ScreenRect moveIntoScreen(const ScreenRect& window, const ScreenRect& screen) {
  ScreenRect moved = window;
  if (moved.right() > screen.right()) moved.x = screen.right() - moved.width;
  if (moved.bottom() > screen.bottom()) moved.y = screen.bottom() - moved.height;
  if (moved.x < screen.x) moved.x = screen.x;
  if (moved.y < screen.y) moved.y = screen.y;
  return moved;
}

ScreenRect centreOnArea(std::int32_t width, std::int32_t height, const ScreenRect& area) {
  ScreenRect centred{area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, width,
                     height};
  if (centred.x < area.x) centred.x = area.x;
  if (centred.y < area.y) centred.y = area.y;
  return centred;
}

bool isStoredExtentValid(std::int32_t extent, std::int32_t screenExtent) {
  return extent >= kMinimumVisible && extent <= screenExtent;
}

}  // namespace s::gui
