#pragma once

#include <cstdint>
#include <vector>

#include "s/col/_array/ArrayP.h"
#include "s/col/_array/NumberArray.h"
#include "s/gui/FontSetting.h"
#include "s/gui/IMenuEx.h"
#include "s/gui/LeafComponent.h"
#include "s/gui/drawer/IMenuCaption.h"
#include "s/gui/drawer/Rect.h"
#include "s/gui/events/IEventListener.h"
#include "s/str/strarray/StrArray.h"

namespace s::gui::drawer {
class ISurface;
}
namespace s::gui::win {
class Font;
}

// Windows-facing name; titles, layout and the mouse rules are portable and reach the platform
// through the menu and window seams; painting and measuring on a device context are the
// Windows half (s/gui/win/MenuExPlatform.cpp).
namespace s::gui::win {

// The toolkit-drawn menu bar. Taken from its pool it has no titles, spacing 0, the basic menu
// drawer, and every mode off.
class MenuEx final : public s::gui::LeafComponent,
                     public s::gui::IMenuEx,
                     public s::gui::events::IEventListener {
 public:
  using Rect = s::gui::drawer::Rect;
  using IEventListener = s::gui::events::IEventListener;

  // The timer that follows the mouse while the system's menu loop has it.
  static constexpr std::uint32_t kTrackingTimer = 1;
  static constexpr std::uint32_t kTrackingPeriod = 10;
  // A click on a title this soon after a pop-up closed does not open one again.
  static constexpr std::uint64_t kReopenDelay = 500;

  MenuEx();
  ~MenuEx() override;

  const char16_t* className() const override { return u"s_gui_win_MenuEx"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Releases every title and an owned drawer, destroys the native window, forgets every
  // listener.
  void reset() override;

  // From the localizer: the titles' texts again.
  void event(s::base::IObject* source, std::int32_t code) override;

  bool setFontSizeCode(std::int32_t code) override;
  void setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  void setFontEffect(std::int32_t effect) override;
  void setWidthPercentage(std::int32_t percent) override;
  void setHeightPercentage(std::int32_t percent) override;
  void setFixedWidth(std::int32_t width) override;
  void setFixedHeight(std::int32_t height) override;
  void setTitleSpacing(std::int32_t horizontal, std::int32_t vertical) override;

  MenuItem* addCommandTitle(s::base::Owned<MenuItem> item) override;
  s::gui::IPopupMenu* addMenuTitle(s::base::Owned<s::gui::IPopupMenu> menu) override;

  bool hasCommandId(std::int32_t commandId) const override;
  bool isChecked(std::int32_t commandId) const override;
  bool setChecked(std::int32_t commandId, bool on) override;

  std::int32_t selectedCommandId() const override { return selected_; }
  void addSelectionListener(IEventListener* listener) override;
  void select(std::int32_t commandId) override;
  void addCloseListener(IEventListener* listener) override;

  void setDrawer(s::gui::drawer::IMenu* drawer, bool owned) override;
  s::gui::drawer::IMenu* drawer() const { return drawer_; }
  void setOption(bool on) override;
  bool option() const { return option_; }
  void setSingleButton(bool on) override;
  bool isSingleButton() const { return singleButton_; }
  void refreshTitles() override;
  void addPopupOpeningListener(IEventListener* listener) override;
  void setAutoOpen(bool on) override { autoOpen_ = on; }
  void setLocalizer(s::lang::Localizer* localizer) override;

  // What the bar shows and where.
  std::uint32_t titleCount() const { return entries_.count(); }
  const char16_t* titleText(std::uint32_t index) const;
  // Relative to the bar's client area.
  Rect titleRect(std::uint32_t index) const;
  bool isMenuTitle(std::uint32_t index) const { return kinds_.at(index) == kPopup; }
  // The title under a client point, -1 for none.
  std::int32_t titleAt(std::int32_t x, std::int32_t y) const;
  std::int32_t hotIndex() const { return hot_; }
  // The title whose pop-up is open, -1 for none.
  std::int32_t openIndex() const { return popupOpen_ ? open_ : -1; }
  // The font settings the drawer receives (0 normal, 1 hot).
  const s::gui::win::FontSetting& fontSetting(std::int32_t index) const {
    return fonts_[index == 1 ? 1 : 0];
  }

  // Paints the bar over its whole client area.
  void paint(s::gui::drawer::ISurface& surface);
  // Sizes every title with the drawer's caption drawer on surface, and the bar around them.
  void measureTitles(s::gui::drawer::ISurface& surface);

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;

 protected:
  void resized() override { layoutTitles(); }

 private:
  enum Kind : std::uint8_t { kCommand = 0, kPopup = 1 };

  // One title as the drawer sees it: the copied text and the entry's own look.
  struct Caption final : s::gui::drawer::IMenuCaption {
    const char16_t* text = u"";
    const s::gui::drawer::IMenuCaption* entry = nullptr;
    const char16_t* caption() const override { return text; }
    s::gui::drawer::Colour adjustColour(s::gui::drawer::Colour colour) const override {
      return entry != nullptr ? entry->adjustColour(colour) : colour;
    }
  };

  MenuItem* commandAt(std::uint32_t index) const;
  s::gui::IPopupMenu* popupAt(std::uint32_t index) const;
  bool isTitleEnabled(std::uint32_t index) const;
  void addEntry(void* entry, Kind kind);
  // Copies the title texts and sizes the bar around them.
  void updateTitles();
  // Measures on the platform's screen (defined in win/ and host/).
  void remeasure();
  // Puts the titles side by side from the measured widths.
  void layoutTitles();
  // Paints on the platform in answer to WM_PAINT; false where there is nothing to paint on.
  bool paintNow();
  // The native font of font index (made on first use), null where the platform has none.
  void* fontHandle(std::int32_t index);
  // The size code on both native fonts; false for a code that means no size.
  bool applyFontSizeCode(std::int32_t code);
  void releaseFonts();
  // The basic menu drawer unless the bar has one.
  void ensureDrawer();
  void adoptDrawer(s::gui::drawer::IMenu* drawer, bool owned);
  void pushFontsToDrawer();
  void releaseDrawer();
  void fire(s::col::_array::ArrayP& listeners, std::int32_t code);
  void setHot(std::int32_t index);
  bool ownsCommandId(std::int32_t commandId) const;

  void onMouseMove(std::int32_t x, std::int32_t y);
  void onLeftDown(std::int32_t x, std::int32_t y);
  void onLeftUp(std::int32_t x, std::int32_t y);
  void onInitMenuPopup();
  void onTrackingTick();
  // Shows title index's pop-up under it, and the next ones while the mouse switches titles.
  void openPopup(std::int32_t index);
  // Ends the open pop-up's menu loop; forSwitching opens the hot title's pop-up next.
  void closePopup(bool forSwitching);

  // Titles: a MenuItem (command) or an IPopupMenu (menu title) by kinds_ at the same index.
  s::col::_array::ArrayP entries_;
  s::col::_array::ArrayU08 kinds_;
  s::str::strarray::StrArray titles_;
  std::vector<Rect> rects_;
  // Measured title sizes, spacing included.
  std::vector<std::int32_t> titleWidths_;
  std::int32_t titleHeight_ = 0;
  s::gui::win::FontSetting fonts_[2];
  // The fonts' faces and sizes (Windows only: the platform's fonts).
  Font* shapes_[2] = {nullptr, nullptr};
  std::int32_t spacingX_ = 0;
  std::int32_t spacingY_ = 0;
  std::int32_t hot_ = -1;
  bool pressed_ = false;
  // The title the press began on.
  std::int32_t pressedIndex_ = -1;
  bool popupOpen_ = false;
  bool closedBySwitching_ = false;
  std::int32_t open_ = -1;
  std::uint64_t closedAt_ = 0;
  bool everClosed_ = false;
  NativeWindow menuWindow_ = nullptr;
  std::int32_t selected_ = -1;
  bool singleButton_ = false;
  bool option_ = false;
  bool autoOpen_ = false;
  s::gui::drawer::IMenu* drawer_ = nullptr;
  bool ownsDrawer_ = false;
  // The drawer's own font settings, which the bar's explicit settings are laid over.
  s::gui::win::FontSetting drawerFonts_[2];
  s::lang::Localizer* localizer_ = nullptr;
  s::col::_array::ArrayP selectionListeners_;
  s::col::_array::ArrayP openingListeners_;
  s::col::_array::ArrayP closeListeners_;
};

}  // namespace s::gui::win
