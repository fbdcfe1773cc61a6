#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::text::win {

// Draws texts with the font's colours, one of eight effects and the font's layout flags.
class Basic final : public Pooled<Basic, IText> {
 public:
  static s::base::Owned<Basic> create();

  const char16_t* className() const override { return u"s_gui_drawer_text_win_Basic"; }
  // Five plain font settings, not centred.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, const char16_t* text,
             const s::gui::win::FontSetting& font) override;
  // Preferred: the text on one line. Minimum: the widest word of a multi-line font, the
  // ellipsis of an ellipsis font, else the preferred width. Effects add the room their copies
  // take.
  TextMeasure measure(ISurface& surface, const char16_t* text,
                      const s::gui::win::FontSetting& font) override;
  s::gui::win::FontSetting& fontSetting(std::int32_t index) override;
  const s::gui::win::FontSetting& stateFont(bool enabled, bool link,
                                            std::int32_t hoverState) override;
  void setCentred(bool centred) override { centred_ = centred; }
  bool centred() const override { return centred_; }

  // The layout format this drawer uses for the font.
  std::uint32_t formatFor(const s::gui::win::FontSetting& font) const;

 private:
  s::gui::win::FontSetting fonts_[kFontSettings];
  bool centred_ = false;
};

}  // namespace s::gui::drawer::text::win
