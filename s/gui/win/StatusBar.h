#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/ContainerBase.h"
#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/statusbar/Basic.h"
#include "s/gui/win/DrawerRef.h"

namespace s::gui::win {

class Box;
class Image;

// The bar at the bottom of a window: a content row that holds the client box (where added
// children go) and, at the right, the size grip, a 12 x 12 image of the "#Resizer" glyph.
// Painted by its drawer (the plain platform-coloured one unless another is set); it takes no
// clicks itself and does not erase its background. Width 100 % by default; its height is the
// drawer's unless a fixed height is set.
class StatusBar final : public s::gui::ContainerBase {
 public:
  StatusBar();
  ~StatusBar() override;

  const char16_t* className() const override { return u"s_gui_win_StatusBar"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Gives back content, children and drawer, and builds the library's content again.
  void reset() override;

  // The layout manager is the shared pile unless another one is set.
  s::gui::ILayoutManager* layoutManager() const override;
  // Children go into the client box.
  void addChild(s::gui::IComponent* child) override;
  // Replaces the content (owned from now on) and names the box inside it that takes children.
  void setContent(s::gui::IComponent* content, s::gui::IComponent* clientBox);
  s::gui::IComponent* content() const { return content_; }
  s::gui::IComponent* clientBox() const { return clientBox_; }

  void showSizeGrip(bool on);
  bool isSizeGripShown() const { return sizeGrip_; }
  // The second option: the drawer's gradient (systems before 6.0 only).
  void setGradient(bool on);
  bool hasGradient() const { return gradient_; }
  // Owned drawers go back to their pool; null returns to the bar's own.
  void setDrawer(s::gui::drawer::IStatusBar* drawer, bool owned);
  s::gui::drawer::IStatusBar* drawer() const;

  std::int32_t minimumHeight() const override;
  std::int32_t preferredHeight() const override;

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;

 private:
  void buildContent();
  void applyOptions();
  void paint(HDC dc, const RECT& area);

  s::gui::IComponent* content_ = nullptr;
  s::gui::IComponent* clientBox_ = nullptr;
  Image* grip_ = nullptr;
  bool sizeGrip_ = false;
  bool gradient_ = false;
  DrawerRef<s::gui::drawer::IStatusBar> drawer_;
  s::base::Owned<s::gui::drawer::statusbar::win::Basic> ownDrawer_;
};

}  // namespace s::gui::win
