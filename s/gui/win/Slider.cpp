#include "s/gui/win/Slider.h"

#include <algorithm>

#include "s/gui/SliderScale.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/ControlPaint.h"
#include "s/gui/win/MessageParams.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

Slider::Slider() : ownDrawer_(s::thread::obtain<s::gui::drawer::slider::win::Thin>()) {
  setDefaultSizes(20, 15, 100, 15);
}

s::base::IObject* Slider::newInstance() const { return s::thread::takeFromPool<Slider>(); }

void Slider::release() { s::thread::giveBackToPool(this); }

void Slider::reset() {
  resetLeaf();
  setDefaultSizes(20, 15, 100, 15);
  vertical_ = false;
  minimum_ = 0;
  maximum_ = 100;
  value_ = 0;
  dragging_ = false;
  changed_.clear();
  drawer_.set(nullptr, false);
}

void Slider::setVertical(bool vertical) {
  if (vertical != vertical_) {
    const s::gui::SimpleSizePolicy across = widthPolicy();
    const s::gui::SimpleSizePolicy down = heightPolicy();
    setDefaultSizes(down.defaultMinimum, across.defaultMinimum, down.defaultPreferred,
                    across.defaultPreferred);
  }
  vertical_ = vertical;
  redraw();
}

void Slider::setRange(std::int32_t minimum, std::int32_t maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  value_ = std::clamp(value_, minimum_, maximum_);
  redraw();
}

void Slider::setValue(std::int32_t value) {
  value_ = std::clamp(value, minimum_, maximum_);
  redraw();
}

void Slider::setDrawer(s::gui::drawer::ISlider* drawer, bool owned) {
  drawer_.set(drawer, owned);
  redraw();
}

void Slider::track(std::intptr_t lParam) {
  RECT client;
  GetClientRect(window(), &client);
  const std::int32_t length = vertical_ ? client.bottom : client.right;
  const std::int32_t offset = vertical_ ? client.bottom - pointY(lParam) : pointX(lParam);
  const std::int32_t value = s::gui::sliderValueAt(
      offset, length, s::gui::drawer::slider::win::Thin::kThumb, minimum_, maximum_);
  if (value == value_) return;
  value_ = value;
  redraw();
  changed_.fire(this, kChanged);
}

void Slider::paint(HDC dc, const RECT& area) {
  paintBackground(dc, *this, area);
  s::gui::drawer::win::DcSurface surface(dc);
  drawer()->paint(surface, s::gui::drawer::Rect{area.left, area.top, area.right, area.bottom},
                  vertical_, minimum_, maximum_, value_, isEnabled());
}

bool Slider::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  HWND slider = window();
  switch (message) {
    case WM_PAINT:
      paintWindow(slider, [this](HDC dc, const RECT& area) { paint(dc, area); });
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_LBUTTONDOWN:
      dragging_ = true;
      SetCapture(slider);
      track(lParam);
      *result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (!dragging_) return false;
      track(lParam);
      *result = 0;
      return true;
    case WM_LBUTTONUP:
      if (!dragging_) return false;
      dragging_ = false;
      if (GetCapture() == slider) ReleaseCapture();
      *result = 0;
      return true;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    default:
      return LeafComponent::preHandle(result, message, wParam, lParam);
  }
}

}  // namespace s::gui::win
