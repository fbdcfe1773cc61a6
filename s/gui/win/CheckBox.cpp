#include "s/gui/win/CheckBox.h"

#include "s/thread/Pool.h"

namespace s::gui::win {

CheckBox::CheckBox() : ownDrawer_(s::thread::obtain<s::gui::drawer::checkbox::win::Thin>()) {}

s::base::IObject* CheckBox::newInstance() const { return s::thread::takeFromPool<CheckBox>(); }

void CheckBox::release() { s::thread::giveBackToPool(this); }

void CheckBox::reset() {
  resetMarkControl();
  drawer_.set(nullptr, false);
}

void CheckBox::setDrawer(s::gui::drawer::ICheckBox* drawer, bool owned) {
  drawer_.set(drawer, owned);
  resize();
  redraw();
}

bool CheckBox::checkedAfterClick(bool checked) const { return !checked; }

void CheckBox::paintMark(s::gui::drawer::ISurface& surface, const s::gui::drawer::Rect& rect,
                         const s::gui::win::FontSetting& font, bool hot) {
  drawer()->paint(surface, rect, markSize(), text().text(), &font, isChecked(), isEnabled(), hot);
}

s::gui::drawer::TextMeasure CheckBox::measureMark(s::gui::drawer::ISurface& surface,
                                                  const s::gui::win::FontSetting& font) {
  return drawer()->measure(surface, text().text(), &font);
}

}  // namespace s::gui::win
