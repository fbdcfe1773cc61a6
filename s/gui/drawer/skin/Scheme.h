#pragma once

#include <utility>

#include "s/base/Owned.h"
#include "s/gui/drawer/ISkin.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::drawer::skin {

// What the two scheme classes share; they differ only in class name and pool.
class Scheme : public ISkin {
 public:
  Scheme();

  const s::str::strbuffer::StrBuffer& name() const override { return *name_; }
  void setName(const char16_t* name) override { name_->setText(name); }

  window::win::Thin* windowDrawer() const override { return window_.get(); }
  s::base::Owned<window::win::Thin> setWindowDrawer(
      s::base::Owned<window::win::Thin> drawer) override {
    std::swap(window_, drawer);
    return drawer;
  }
  button::win::Thin* buttonDrawer() const override { return button_.get(); }
  s::base::Owned<button::win::Thin> setButtonDrawer(
      s::base::Owned<button::win::Thin> drawer) override {
    std::swap(button_, drawer);
    return drawer;
  }
  text::win::Basic* textDrawer() const override { return text_.get(); }
  s::base::Owned<text::win::Basic> setTextDrawer(s::base::Owned<text::win::Basic> drawer) override {
    std::swap(text_, drawer);
    return drawer;
  }
  scrollbar::win::Thin* scrollBarDrawer() const override { return scrollBar_.get(); }
  s::base::Owned<scrollbar::win::Thin> setScrollBarDrawer(
      s::base::Owned<scrollbar::win::Thin> drawer) override {
    std::swap(scrollBar_, drawer);
    return drawer;
  }
  checkbox::win::Thin* checkBoxDrawer() const override { return checkBox_.get(); }
  s::base::Owned<checkbox::win::Thin> setCheckBoxDrawer(
      s::base::Owned<checkbox::win::Thin> drawer) override {
    std::swap(checkBox_, drawer);
    return drawer;
  }
  radiobutton::win::Thin* radioButtonDrawer() const override { return radioButton_.get(); }
  s::base::Owned<radiobutton::win::Thin> setRadioButtonDrawer(
      s::base::Owned<radiobutton::win::Thin> drawer) override {
    std::swap(radioButton_, drawer);
    return drawer;
  }
  slider::win::Thin* sliderDrawer() const override { return slider_.get(); }
  s::base::Owned<slider::win::Thin> setSliderDrawer(
      s::base::Owned<slider::win::Thin> drawer) override {
    std::swap(slider_, drawer);
    return drawer;
  }
  counter::win::Basic* counterDrawer() const override { return counter_.get(); }
  s::base::Owned<counter::win::Basic> setCounterDrawer(
      s::base::Owned<counter::win::Basic> drawer) override {
    std::swap(counter_, drawer);
    return drawer;
  }
  listheader::win::Thin* listHeaderDrawer() const override { return listHeader_.get(); }
  s::base::Owned<listheader::win::Thin> setListHeaderDrawer(
      s::base::Owned<listheader::win::Thin> drawer) override {
    std::swap(listHeader_, drawer);
    return drawer;
  }
  listbox::win::Thin* listBoxDrawer() const override { return listBox_.get(); }
  s::base::Owned<listbox::win::Thin> setListBoxDrawer(
      s::base::Owned<listbox::win::Thin> drawer) override {
    std::swap(listBox_, drawer);
    return drawer;
  }
  statusbar::win::Thin* statusBarDrawer() const override { return statusBar_.get(); }
  s::base::Owned<statusbar::win::Thin> setStatusBarDrawer(
      s::base::Owned<statusbar::win::Thin> drawer) override {
    std::swap(statusBar_, drawer);
    return drawer;
  }
  menu::win::Basic* menuDrawer() const override { return menu_.get(); }
  s::base::Owned<menu::win::Basic> setMenuDrawer(s::base::Owned<menu::win::Basic> drawer) override {
    std::swap(menu_, drawer);
    return drawer;
  }
  combo::win::Thin* comboDrawer() const override { return combo_.get(); }
  s::base::Owned<combo::win::Thin> setComboDrawer(
      s::base::Owned<combo::win::Thin> drawer) override {
    std::swap(combo_, drawer);
    return drawer;
  }
  groupbox::win::Thin* groupBoxDrawer() const override { return groupBox_.get(); }
  s::base::Owned<groupbox::win::Thin> setGroupBoxDrawer(
      s::base::Owned<groupbox::win::Thin> drawer) override {
    std::swap(groupBox_, drawer);
    return drawer;
  }
  tabbox::win::Thin* tabBoxDrawer() const override { return tabBox_.get(); }
  s::base::Owned<tabbox::win::Thin> setTabBoxDrawer(
      s::base::Owned<tabbox::win::Thin> drawer) override {
    std::swap(tabBox_, drawer);
    return drawer;
  }

 protected:
  // An empty name; every drawer given back to its pool.
  void clear();

 private:
  s::base::Owned<s::str::strbuffer::StrBuffer> name_;
  s::base::Owned<window::win::Thin> window_;
  s::base::Owned<button::win::Thin> button_;
  s::base::Owned<text::win::Basic> text_;
  s::base::Owned<scrollbar::win::Thin> scrollBar_;
  s::base::Owned<checkbox::win::Thin> checkBox_;
  s::base::Owned<radiobutton::win::Thin> radioButton_;
  s::base::Owned<slider::win::Thin> slider_;
  s::base::Owned<counter::win::Basic> counter_;
  s::base::Owned<listheader::win::Thin> listHeader_;
  s::base::Owned<listbox::win::Thin> listBox_;
  s::base::Owned<statusbar::win::Thin> statusBar_;
  s::base::Owned<menu::win::Basic> menu_;
  s::base::Owned<combo::win::Thin> combo_;
  s::base::Owned<groupbox::win::Thin> groupBox_;
  s::base::Owned<tabbox::win::Thin> tabBox_;
};

}  // namespace s::gui::drawer::skin
