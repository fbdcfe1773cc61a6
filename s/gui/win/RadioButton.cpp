#include "s/gui/win/RadioButton.h"

#include "s/thread/Pool.h"

namespace s::gui::win {

RadioButton::RadioButton()
    : ownDrawer_(s::thread::obtain<s::gui::drawer::radiobutton::win::Thin>()) {}

s::base::IObject* RadioButton::newInstance() const {
  return s::thread::takeFromPool<RadioButton>();
}

void RadioButton::release() { s::thread::giveBackToPool(this); }

void RadioButton::reset() {
  resetMarkControl();
  drawer_.set(nullptr, false);
}

void RadioButton::setDrawer(s::gui::drawer::IRadioButton* drawer, bool owned) {
  drawer_.set(drawer, owned);
  resize();
  redraw();
}

bool RadioButton::checkedAfterClick(bool) const { return true; }

void RadioButton::checkedByClick() {
  s::gui::IComponent* group = parent();
  if (group == nullptr) return;
  for (std::uint32_t i = 0; i < group->childCount(); ++i) {
    auto* sibling = dynamic_cast<RadioButton*>(group->childAt(i));
    if (sibling != nullptr && sibling != this) sibling->setChecked(false);
  }
}

void RadioButton::paintMark(s::gui::drawer::ISurface& surface, const s::gui::drawer::Rect& rect,
                            const s::gui::win::FontSetting& font, bool hot) {
  drawer()->paint(surface, rect, markSize(), text().text(), &font, isChecked(), isEnabled(), hot);
}

s::gui::drawer::TextMeasure RadioButton::measureMark(s::gui::drawer::ISurface& surface,
                                                     const s::gui::win::FontSetting& font) {
  return drawer()->measure(surface, text().text(), &font);
}

}  // namespace s::gui::win
