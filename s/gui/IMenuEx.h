#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/IComponent.h"
#include "s/gui/IPopupMenu.h"
#include "s/gui/IWindowMenu.h"
#include "s/gui/menuitem/MenuItem.h"

namespace s::gui::drawer {
class IMenu;
}
namespace s::gui::events {
class IEventListener;
}
namespace s::lang {
class Localizer;
}

namespace s::gui {

// A menu bar drawn by the toolkit as an ordinary component: a row of titles, each a command
// (a MenuItem) or the title of a pop-up menu. A selection, from a command title or from any
// item of the pop-ups, is reported to the selection listeners as (bar, 0); they ask for
// selectedCommandId().
class IMenuEx : public virtual IComponent, public IWindowMenu {
 public:
  using IEventListener = s::gui::events::IEventListener;
  using MenuItem = s::gui::menuitem::MenuItem;

  // Event codes.
  static constexpr std::int32_t kSelected = 0;
  static constexpr std::int32_t kPopupOpening = 1;
  static constexpr std::int32_t kPopupClosed = 2;

  // Both fonts, the normal and the hot title's. A size code as the controls take it
  // (s/gui/FontSize.h); false, changing nothing, for a code that means no size.
  virtual bool setFontSizeCode(std::int32_t code) = 0;
  virtual void setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual void setFontEffect(std::int32_t effect) = 0;

  virtual void setWidthPercentage(std::int32_t percent) = 0;
  virtual void setHeightPercentage(std::int32_t percent) = 0;
  virtual void setFixedWidth(std::int32_t width) = 0;
  virtual void setFixedHeight(std::int32_t height) = 0;
  // Room around each title's caption, on each side.
  virtual void setTitleSpacing(std::int32_t horizontal, std::int32_t vertical) = 0;

  // The bar owns the title from now on; returns it.
  virtual MenuItem* addCommandTitle(s::base::Owned<MenuItem> item) = 0;
  virtual IPopupMenu* addMenuTitle(s::base::Owned<IPopupMenu> menu) = 0;

  // Command titles by their id, menu titles through their pop-ups.
  bool hasCommandId(std::int32_t commandId) const override = 0;
  // Through the pop-ups.
  virtual bool isChecked(std::int32_t commandId) const = 0;
  virtual bool setChecked(std::int32_t commandId, bool on) = 0;

  virtual std::int32_t selectedCommandId() const = 0;
  // Listeners are not owned; each must stay alive while the bar does.
  virtual void addSelectionListener(IEventListener* listener) = 0;
  // Stores the command id and tells the selection listeners.
  void select(std::int32_t commandId) override = 0;
  // Told (bar, 2) after a pop-up has closed by itself.
  virtual void addCloseListener(IEventListener* listener) = 0;

  // Null: the basic menu drawer again. The drawer receives both fonts.
  virtual void setDrawer(s::gui::drawer::IMenu* drawer, bool owned) = 0;
  // The hot title follows the mouse; without it a title lights only while pressed or open.
  virtual void setOption(bool on) = 0;
  // The whole bar is the first title (drawn as one field); both fonts end in an ellipsis.
  virtual void setSingleButton(bool on) = 0;
  // Every title's text again (entry ids through their localizer).
  virtual void refreshTitles() = 0;
  // Told (bar, 1) just before a pop-up opens.
  virtual void addPopupOpeningListener(IEventListener* listener) = 0;
  // Reaching a menu title with the mouse opens its pop-up.
  virtual void setAutoOpen(bool on) = 0;
  // A bar opens its pop-ups under its titles, never at a point.
  void showAt(std::int32_t, std::int32_t, NativeWindow) override {}
  // Drawn by the toolkit: the window gets no native menu.
  void* nativeMenuBar() const override { return nullptr; }
  // Titles follow this localizer's language (the first menu title's is taken when none is set).
  virtual void setLocalizer(s::lang::Localizer* localizer) = 0;
};

}  // namespace s::gui
