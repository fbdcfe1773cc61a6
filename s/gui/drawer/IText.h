#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"
#include "s/gui/drawer/TextMeasure.h"

namespace s::gui::drawer {

// Texts: labels and every caption of the other drawers.
class IText : public IDrawer {
 public:
  static constexpr std::int32_t kFontSettings = 5;
  // Which of the five font settings serves which state.
  static constexpr std::int32_t kNormal = 0;
  static constexpr std::int32_t kDisabled = 1;
  static constexpr std::int32_t kLink = 2;
  static constexpr std::int32_t kLinkHot = 3;
  static constexpr std::int32_t kLinkPressed = 4;

  // The text in the rectangle with the font's colours, effect and layout flags.
  virtual void paint(ISurface& surface, const Rect& rect, const char16_t* text,
                     const s::gui::win::FontSetting& font) = 0;
  virtual TextMeasure measure(ISurface& surface, const char16_t* text,
                              const s::gui::win::FontSetting& font) = 0;
  // One of the five settings (index 0 to 4; others give the first).
  virtual s::gui::win::FontSetting& fontSetting(std::int32_t index) = 0;
  // The setting for a control's state: disabled, else for a link its hover state (0 none,
  // 1 hover, 2 pressed), else the normal one.
  virtual const s::gui::win::FontSetting& stateFont(bool enabled, bool link,
                                                    std::int32_t hoverState) = 0;
  // Centred texts sit in the middle of one line and end in an ellipsis when too long.
  virtual void setCentred(bool centred) = 0;
  virtual bool centred() const = 0;
};

}  // namespace s::gui::drawer
