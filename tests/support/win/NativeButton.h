#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/gui/LeafComponent.h"
#include "s/gui/win/Subclass.h"

namespace support {

// A platform BUTTON as a component, subclassed the way the toolkit's controls are, that
// counts the private messages reaching it through its hook.
class NativeButton final : public s::gui::LeafComponent {
 public:
  static NativeButton* make(std::int32_t width, std::int32_t height);

  const char16_t* className() const override { return u"s_gui_win_Button"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;

  // The range of the reflected messages.
  static constexpr std::uint32_t kFirst = 32771;
  static constexpr std::uint32_t kLast = 32787;

  // How often each reflected message arrived, and its last lParam. By message, because the
  // button's own painting brings colour messages in between.
  int receivedCount(std::uint32_t message) const { return received_[message - kFirst]; }
  std::intptr_t lastLParamOf(std::uint32_t message) const { return lastLParam_[message - kFirst]; }
  std::atomic<int> clicked{0};
  std::atomic<std::uintptr_t> clickWParam{0};
  std::atomic<std::intptr_t> clickLParam{0};
  std::atomic<int> posted{0};
  // What the button answers to reflected messages other than the click.
  std::atomic<std::intptr_t> answer{0};

 protected:
  s::gui::NativeWindow createNativeWindow(s::gui::NativeWindow parent) override;

 private:
  s::gui::win::Subclass subclass_;
  std::atomic<int> received_[kLast - kFirst + 1] = {};
  std::atomic<std::intptr_t> lastLParam_[kLast - kFirst + 1] = {};
};

}  // namespace support
