#pragma once

#include <windows.h>

#include "s/gui/INativeWindows.h"

namespace s::gui::win {

// The native window seam on Windows: the platform's own calls, on the toolkit's window class.
class NativeWindows final : public s::gui::INativeWindows {
 public:
  // Child windows of the toolkit's class: clipped by their siblings (piles overlap).
  static constexpr DWORD kPanelStyle = WS_CHILD | WS_CLIPSIBLINGS;

  s::gui::NativeWindow createPanel(s::gui::IComponent* component,
                                   s::gui::NativeWindow parent) override;
  void destroy(s::gui::NativeWindow window) override;
  std::intptr_t send(s::gui::NativeWindow window, std::uint32_t message,
                     s::gui::IComponent* argument) override;
  void place(s::gui::NativeWindow window, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, std::uint32_t flags) override;
  void show(s::gui::NativeWindow window, bool visible) override;
  void enable(s::gui::NativeWindow window, bool on) override;
  bool isEnabled(s::gui::NativeWindow window) override;
  void redraw(s::gui::NativeWindow window, bool all, std::int32_t x, std::int32_t y,
              std::int32_t width, std::int32_t height) override;
  void clientOrigin(s::gui::NativeWindow window, std::int32_t* x, std::int32_t* y) override;
  void acceptFiles(s::gui::NativeWindow window, bool accept) override;
  std::uint32_t systemColour(std::int32_t index) override;
};

}  // namespace s::gui::win
