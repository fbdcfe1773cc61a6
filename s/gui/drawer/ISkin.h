#pragma once

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/gui/drawer/button/Thin.h"
#include "s/gui/drawer/checkbox/Thin.h"
#include "s/gui/drawer/combo/Thin.h"
#include "s/gui/drawer/counter/Basic.h"
#include "s/gui/drawer/groupbox/Thin.h"
#include "s/gui/drawer/listbox/Thin.h"
#include "s/gui/drawer/listheader/Thin.h"
#include "s/gui/drawer/menu/Basic.h"
#include "s/gui/drawer/radiobutton/Thin.h"
#include "s/gui/drawer/scrollbar/Thin.h"
#include "s/gui/drawer/slider/Thin.h"
#include "s/gui/drawer/statusbar/Thin.h"
#include "s/gui/drawer/tabbox/Thin.h"
#include "s/gui/drawer/text/Basic.h"
#include "s/gui/drawer/window/Thin.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer {

// A colour scheme: a name and one configured drawer per control kind. The scheme owns its
// drawers; a control uses the one of its kind and never releases it. Getters may answer null.
// Setters take the new drawer and hand the previous one back to the caller.
class ISkin : public s::base::IObject, public s::thread::IPoolable {
 public:
  virtual const s::str::strbuffer::StrBuffer& name() const = 0;
  virtual void setName(const char16_t* name) = 0;

  virtual window::win::Thin* windowDrawer() const = 0;
  virtual s::base::Owned<window::win::Thin> setWindowDrawer(
      s::base::Owned<window::win::Thin> drawer) = 0;
  virtual button::win::Thin* buttonDrawer() const = 0;
  virtual s::base::Owned<button::win::Thin> setButtonDrawer(
      s::base::Owned<button::win::Thin> drawer) = 0;
  virtual text::win::Basic* textDrawer() const = 0;
  virtual s::base::Owned<text::win::Basic> setTextDrawer(
      s::base::Owned<text::win::Basic> drawer) = 0;
  virtual scrollbar::win::Thin* scrollBarDrawer() const = 0;
  virtual s::base::Owned<scrollbar::win::Thin> setScrollBarDrawer(
      s::base::Owned<scrollbar::win::Thin> drawer) = 0;
  virtual checkbox::win::Thin* checkBoxDrawer() const = 0;
  virtual s::base::Owned<checkbox::win::Thin> setCheckBoxDrawer(
      s::base::Owned<checkbox::win::Thin> drawer) = 0;
  virtual radiobutton::win::Thin* radioButtonDrawer() const = 0;
  virtual s::base::Owned<radiobutton::win::Thin> setRadioButtonDrawer(
      s::base::Owned<radiobutton::win::Thin> drawer) = 0;
  virtual slider::win::Thin* sliderDrawer() const = 0;
  virtual s::base::Owned<slider::win::Thin> setSliderDrawer(
      s::base::Owned<slider::win::Thin> drawer) = 0;
  virtual counter::win::Basic* counterDrawer() const = 0;
  virtual s::base::Owned<counter::win::Basic> setCounterDrawer(
      s::base::Owned<counter::win::Basic> drawer) = 0;
  virtual listheader::win::Thin* listHeaderDrawer() const = 0;
  virtual s::base::Owned<listheader::win::Thin> setListHeaderDrawer(
      s::base::Owned<listheader::win::Thin> drawer) = 0;
  virtual listbox::win::Thin* listBoxDrawer() const = 0;
  virtual s::base::Owned<listbox::win::Thin> setListBoxDrawer(
      s::base::Owned<listbox::win::Thin> drawer) = 0;
  virtual statusbar::win::Thin* statusBarDrawer() const = 0;
  virtual s::base::Owned<statusbar::win::Thin> setStatusBarDrawer(
      s::base::Owned<statusbar::win::Thin> drawer) = 0;
  virtual menu::win::Basic* menuDrawer() const = 0;
  virtual s::base::Owned<menu::win::Basic> setMenuDrawer(
      s::base::Owned<menu::win::Basic> drawer) = 0;
  virtual combo::win::Thin* comboDrawer() const = 0;
  virtual s::base::Owned<combo::win::Thin> setComboDrawer(
      s::base::Owned<combo::win::Thin> drawer) = 0;
  virtual groupbox::win::Thin* groupBoxDrawer() const = 0;
  virtual s::base::Owned<groupbox::win::Thin> setGroupBoxDrawer(
      s::base::Owned<groupbox::win::Thin> drawer) = 0;
  virtual tabbox::win::Thin* tabBoxDrawer() const = 0;
  virtual s::base::Owned<tabbox::win::Thin> setTabBoxDrawer(
      s::base::Owned<tabbox::win::Thin> drawer) = 0;
};

}  // namespace s::gui::drawer
