#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/LeafComponent.h"
#include "s/gui/drawer/ISlider.h"
#include "s/gui/drawer/slider/Thin.h"
#include "s/gui/win/DrawerRef.h"
#include "s/gui/win/ListenerList.h"

namespace s::gui::win {

// A value in a range, chosen by pressing or dragging along a groove; each change of the value
// goes to the changed listeners (code 2).
class Slider final : public s::gui::LeafComponent {
 public:
  static constexpr std::int32_t kChanged = 2;

  Slider();

  const char16_t* className() const override { return u"s_gui_win_Slider"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Horizontal, range 0 to 100, value 0, no listeners.
  void reset() override;

  void setVertical(bool vertical);
  bool isVertical() const { return vertical_; }
  // The value is kept inside the range.
  void setRange(std::int32_t minimum, std::int32_t maximum);
  // No event.
  void setValue(std::int32_t value);
  std::int32_t minimum() const { return minimum_; }
  std::int32_t maximum() const { return maximum_; }
  std::int32_t value() const { return value_; }
  void addChangedListener(s::gui::events::IEventListener* listener) { changed_.add(listener); }
  void setDrawer(s::gui::drawer::ISlider* drawer, bool owned);

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;

 private:
  HWND window() const { return static_cast<HWND>(nativeWindow()); }
  s::gui::drawer::ISlider* drawer() const { return drawer_ ? drawer_.get() : ownDrawer_.get(); }
  void track(std::intptr_t lParam);
  void paint(HDC dc, const RECT& area);

  bool vertical_ = false;
  std::int32_t minimum_ = 0;
  std::int32_t maximum_ = 100;
  std::int32_t value_ = 0;
  bool dragging_ = false;
  ListenerList changed_;
  DrawerRef<s::gui::drawer::ISlider> drawer_;
  s::base::Owned<s::gui::drawer::slider::win::Thin> ownDrawer_;
};

}  // namespace s::gui::win
