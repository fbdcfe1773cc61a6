#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/HoverTracker.h"
#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/text/Basic.h"
#include "s/gui/win/DrawerRef.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/ListenerList.h"
#include "s/gui/win/TextControl.h"

namespace s::gui::win {

// A text, drawn by a text drawer (the attached one, else a plain one of its own) and sized to
// it. Texts are set on the window's own thread. A label lets the mouse through, unless it is a
// link: a link shows hover and press states and reports a click (code 1).
class Label final : public TextControl {
 public:
  using IEventListener = s::gui::events::IEventListener;

  static constexpr std::int32_t kClick = 1;
  // Private messages: set the text (wParam the text, lParam whether to repaint; answers
  // whether it changed), and show a temporary text (wParam the text, lParam milliseconds).
  static constexpr UINT kSetTextMessage = 5121;
  static constexpr UINT kSetTemporaryTextMessage = 5122;
  static constexpr UINT_PTR kTemporaryTextTimer = 100;
  // State fonts 1 to 4: disabled, link, link hovered, link pressed.
  static constexpr std::int32_t kStateFonts = 4;

  Label();
  ~Label() override;

  const char16_t* className() const override { return u"s_gui_win_Label"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Detaches, forgets text, fonts, drawer, link mode and listeners.
  void reset() override;

  // The base font's two layout flags.
  void setMultiLine(bool on);
  void setEllipsis(bool on);

  // Answers whether the text changed; the same text changes and repaints nothing. A text set
  // while a temporary one shows replaces both: the temporary text will not come back.
  bool setText(const char16_t* text, bool repaint);
  // Shows text for the given time, then the text shown before it. A second temporary text
  // while one shows keeps the first saved text. Needs the native window.
  void setTemporaryText(const char16_t* text, std::uint32_t milliseconds);
  bool showsTemporaryText() const { return hasSaved_; }

  // Font operations on the base font and every state font.
  bool setFontSizeCode(std::int32_t code);
  void setFontWeight(std::int32_t weight);
  void setFontFace(const char16_t* face);
  void setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  void setFontUnderline(bool on);
  void setFontItalic(bool on);
  Font& baseFont() { return *base_; }
  // State font 1 to 4, made from the base font on first use; other indexes give the base font.
  Font& stateFont(std::int32_t index);

  // Owned drawers go back to their pool with the label; null returns to the label's own.
  void setDrawer(s::gui::drawer::IText* drawer, bool owned);
  // The drawer in use.
  s::gui::drawer::IText* drawer() const;

  bool isLink() const { return link_; }
  // A link underlines state fonts 2, 3 and 4.
  void setLinkMode(bool on);
  void addClickListener(IEventListener* listener) { clickListeners_.add(listener); }
  // 0 none, 1 hover, 2 pressed (links only).
  std::int32_t hoverState() const { return hover_.state(); }

  void setParent(s::gui::IComponent* parent) override;
  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;
  void nativeWindowDestroyed() override;

 protected:
  void applyText(const char16_t* text) override { setText(text, true); }
  void entryWithoutLocalizer() override { setText(u"", true); }

 private:
  HWND window() const { return static_cast<HWND>(nativeWindow()); }
  // On the window's thread.
  bool changeText(const char16_t* text, bool repaint);
  void startTemporaryText(const char16_t* text, UINT milliseconds);
  void endTemporaryText();
  void fontsChanged();
  // Applies change to the base font and every state font made so far, then resizes.
  template <class Change>
  void changeFonts(Change change) {
    change(*base_);
    for (auto& font : states_) {
      if (font) change(*font);
    }
    fontsChanged();
  }
  // Measures the text with the drawer and relayouts the parent.
  void resize();
  void paint(HDC dc, const RECT& area);
  // The drawer's font index for the present state.
  std::int32_t fontIndex() const;
  void apply(std::uint32_t actions);

  s::base::Owned<Font> base_;
  s::base::Owned<Font> states_[kStateFonts];
  DrawerRef<s::gui::drawer::IText> drawer_;
  s::base::Owned<s::gui::drawer::text::win::Basic> ownDrawer_;
  s::base::Owned<s::str::strbuffer::StrBuffer> saved_;
  bool hasSaved_ = false;
  bool link_ = false;
  s::gui::HoverTracker hover_;
  ListenerList clickListeners_;
};

}  // namespace s::gui::win
