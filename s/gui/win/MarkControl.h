#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/FontSetting.h"
#include "s/gui/HoverTracker.h"
#include "s/gui/drawer/ISurface.h"
#include "s/gui/drawer/TextMeasure.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/ListenerList.h"
#include "s/gui/win/TextControl.h"

namespace s::gui::win {

// What check boxes and radio buttons share: a mark with a caption beside it, drawn by a
// drawer of their kind, a checked state, one font, and clicks on release inside after a press
// inside (code 1), each followed by the changed event (code 2) when the state changed.
class MarkControl : public TextControl {
 public:
  using IEventListener = s::gui::events::IEventListener;

  static constexpr std::int32_t kClick = 1;
  static constexpr std::int32_t kChanged = 2;
  static constexpr std::int32_t kDefaultMarkSize = 13;

  void setText(const char16_t* text) { applyText(text); }
  bool isChecked() const { return checked_; }
  // Repaints when it changes; no event.
  void setChecked(bool checked);
  // The side of the mark in pixels.
  void setMarkSize(std::int32_t size);
  std::int32_t markSize() const { return markSize_; }

  Font& font() { return *font_; }
  bool setFontSizeCode(std::int32_t code);
  void setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

  void addClickListener(IEventListener* listener) { clickListeners_.add(listener); }
  void addChangedListener(IEventListener* listener) { changedListeners_.add(listener); }
  std::int32_t hoverState() const { return hover_.state(); }

  void setParent(s::gui::IComponent* parent) override;
  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void nativeWindowDestroyed() override;

 protected:
  MarkControl();
  ~MarkControl() override;

  // The new checked state after a click on a control in state checked.
  virtual bool checkedAfterClick(bool checked) const = 0;
  // After the state changed by a click (a radio button unchecks its siblings).
  virtual void checkedByClick() {}
  virtual void paintMark(s::gui::drawer::ISurface& surface, const s::gui::drawer::Rect& rect,
                         const s::gui::win::FontSetting& font, bool hot) = 0;
  virtual s::gui::drawer::TextMeasure measureMark(s::gui::drawer::ISurface& surface,
                                                  const s::gui::win::FontSetting& font) = 0;

  void applyText(const char16_t* text) override;
  // Measures the caption and mark and relayouts the parent.
  void resize();
  void resetMarkControl();

 private:
  HWND window() const { return static_cast<HWND>(nativeWindow()); }
  void apply(std::uint32_t actions);
  void paint(HDC dc, const RECT& area);

  s::base::Owned<Font> font_;
  bool checked_ = false;
  std::int32_t markSize_ = kDefaultMarkSize;
  s::gui::HoverTracker hover_;
  ListenerList clickListeners_;
  ListenerList changedListeners_;
};

}  // namespace s::gui::win
