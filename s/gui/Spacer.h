#pragma once

#include <cstdint>

#include "s/gui/LeafComponent.h"

// Windows-facing name; a spacer has no native window, so it is portable throughout.
namespace s::gui::win {

// An invisible component that only takes room. A horizontal spacer (orientation 0) takes
// width; inside a column it reports no height. A vertical spacer (1) takes height; inside a
// row it reports no width.
class Spacer final : public s::gui::LeafComponent {
 public:
  static constexpr std::int32_t kHorizontal = 0;
  static constexpr std::int32_t kVertical = 1;

  const char16_t* className() const override { return u"s_gui_win_Spacer"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  std::int32_t orientation() const { return orientation_; }
  // Switching swaps the width and height settings.
  void setOrientation(std::int32_t orientation);
  // Setting a percentage clears the fixed size of that axis.
  void setWidthPercentage(std::int32_t percent);
  void setHeightPercentage(std::int32_t percent);

  std::int32_t minimumWidth() const override;
  std::int32_t minimumHeight() const override;
  std::int32_t preferredWidth() const override;
  std::int32_t preferredHeight() const override;

 protected:
  s::gui::NativeWindow createNativeWindow(s::gui::NativeWindow) override { return nullptr; }

 private:
  bool inParentArranged(std::int32_t arrangement) const;

  std::int32_t orientation_ = kHorizontal;
};

}  // namespace s::gui::win
