#pragma once

#include <windows.h>

#include <cstdint>

#include "s/gui/LeafComponent.h"
#include "s/gui/win/Subclass.h"

namespace s::gui::win {

// The platform's progress bar. Range and position are kept by the component too, so they may
// be set before the native control exists and reach it when it is made.
class ProgressBar final : public s::gui::LeafComponent {
 public:
  // PBM_SETRANGE32, PBM_SETPOS.
  static constexpr UINT kSetRangeMessage = 1030;
  static constexpr UINT kSetPositionMessage = 1026;

  const char16_t* className() const override { return u"s_gui_win_ProgressBar"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Range 0 to 100, position 0, no native control.
  void reset() override;

  void setRange(std::int32_t minimum, std::int32_t maximum);
  void setPosition(std::int32_t position);
  std::int32_t minimum() const { return minimum_; }
  std::int32_t maximum() const { return maximum_; }
  std::int32_t position() const { return position_; }

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;

 protected:
  s::gui::NativeWindow createNativeWindow(s::gui::NativeWindow parent) override;

 private:
  HWND window() const { return static_cast<HWND>(nativeWindow()); }

  Subclass subclass_;
  std::int32_t minimum_ = 0;
  std::int32_t maximum_ = 100;
  std::int32_t position_ = 0;
};

}  // namespace s::gui::win
