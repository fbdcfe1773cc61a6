#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/HoverTracker.h"
#include "s/gui/drawer/IButton.h"
#include "s/gui/win/DrawerRef.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/GdiObject.h"
#include "s/gui/win/ListenerList.h"
#include "s/gui/win/Subclass.h"
#include "s/gui/win/TextControl.h"

namespace s::gui::win {

// A push button: the platform's BUTTON, subclassed. Without a drawer the platform paints it in
// the button's normal font; with one the button is owner-drawn through the drawer. Clicks,
// changes and presses go to listeners (codes 1, 2, 3); a toggling button keeps a checked state.
class Button final : public TextControl {
 public:
  using IEventListener = s::gui::events::IEventListener;

  static constexpr std::int32_t kClick = 1;
  static constexpr std::int32_t kChanged = 2;
  static constexpr std::int32_t kPressed = 3;
  // The fonts, one per drawing state.
  static constexpr std::int32_t kNormalFont = 0;
  static constexpr std::int32_t kDisabledFont = 1;
  static constexpr std::int32_t kHotFont = 2;
  static constexpr std::int32_t kFonts = 3;
  // Auto-repeat: the first repeat after 500 ms, then one every 100 ms.
  static constexpr UINT_PTR kFirstRepeatTimer = 20001;
  static constexpr UINT_PTR kRepeatTimer = 20002;
  static constexpr UINT kFirstRepeatDelay = 500;
  static constexpr UINT kRepeatPeriod = 100;

  Button();
  ~Button() override;

  const char16_t* className() const override { return u"s_gui_win_Button"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Detaches the native button, forgets listeners, drawer, fonts and every option.
  void reset() override;

  void setText(const char16_t* text) { applyText(text); }
  // Shows a swatch of the colour instead of a text ("#Color-" and six hexadecimal digits).
  void setColourSwatch(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

  // The font of a drawing state (kNormalFont ...); the font operations below change all three.
  Font& font(std::int32_t state);
  bool setFontSizeCode(std::int32_t code);
  void setFontWeight(std::int32_t weight);
  void setFontFace(const char16_t* face);
  void setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  void setFontUnderline(bool on);
  void setFontItalic(bool on);

  void addClickListener(IEventListener* listener) { clickListeners_.add(listener); }
  void addChangedListener(IEventListener* listener) { changedListeners_.add(listener); }
  void addPressedListener(IEventListener* listener) { pressedListeners_.add(listener); }
  // While held, the pressed event repeats.
  void setAutoRepeat(bool on);
  bool isAutoRepeat() const { return autoRepeat_; }

  // With a drawer the button is owner-drawn; owned drawers go back to their pool with the
  // button. Null returns to the platform's drawing.
  void setDrawer(s::gui::drawer::IButton* drawer, bool owned);
  s::gui::drawer::IButton* drawer() const { return drawer_.get(); }
  // The drawer's options: the button type (0 plain, 1 raised, 2 sunken) and the frame.
  void setDrawType(std::int32_t type);
  void setFramed(bool framed);

  // toggles: each click inverts the checked state, except that a checked button that cannot
  // be unchecked stays checked (and from then on lets the mouse through). The last two
  // options are drawer options: a checked button drawn sunken, and drawn framed.
  void setToggleOptions(bool toggles, bool canBeUnchecked, bool sunkenWhenChecked,
                        bool framedWhenChecked);
  bool toggles() const { return toggles_; }
  bool canBeUnchecked() const { return canBeUnchecked_; }
  bool isChecked() const { return checked_; }
  void setChecked(bool checked);

  void makeDefaultButton() { setDefault(true); }
  void makeNormalButton() { setDefault(false); }
  bool isDefaultButton() const { return default_; }
  // A button that is not clickable lets the mouse through to what lies below.
  void setClickable(bool clickable);
  bool isClickable() const { return clickable_; }
  // Hit tests answer "transparent": not clickable, or checked for good.
  bool letsMouseThrough() const { return !clickable_ || (checked_ && !canBeUnchecked_); }
  // 0 none, 1 hover, 2 pressed.
  std::int32_t hoverState() const { return hover_.state(); }
  // The screen point of the last press.
  POINT pressOrigin() const { return pressOrigin_; }

  void setParent(s::gui::IComponent* parent) override;
  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;
  void nativeWindowDestroyed() override;

 protected:
  s::gui::NativeWindow createNativeWindow(s::gui::NativeWindow parent) override;
  void applyText(const char16_t* text) override;

 private:
  HWND window() const { return static_cast<HWND>(nativeWindow()); }
  // The three steps of a click: click listeners, toggle, changed listeners.
  void click();
  void press(std::intptr_t lParam);
  void apply(std::uint32_t actions);
  void stopRepeating();
  void onTimer(UINT_PTR id);
  // Sizes the button to its text and font, then relayouts the parent.
  void resize();
  void fontsChanged();
  void setDefault(bool on);
  // The platform style bits of the button's kind.
  DWORD kindStyle() const;
  void restyle();
  void paint(HDC dc, const RECT& area);
  std::intptr_t colours(HDC dc);
  void dropHover();

  Subclass subclass_;
  s::base::Owned<Font> fonts_[kFonts];
  DrawerRef<s::gui::drawer::IButton> drawer_;
  s::gui::HoverTracker hover_;
  ListenerList clickListeners_;
  ListenerList changedListeners_;
  ListenerList pressedListeners_;
  POINT pressOrigin_{0, 0};
  std::int32_t drawType_ = 0;
  bool framed_ = false;
  bool toggles_ = false;
  bool canBeUnchecked_ = true;
  bool sunkenWhenChecked_ = false;
  bool framedWhenChecked_ = false;
  bool checked_ = false;
  bool clickable_ = true;
  bool autoRepeat_ = false;
  bool default_ = false;
  OwnedBrush brush_;
  COLORREF brushColour_ = 0;
};

}  // namespace s::gui::win
