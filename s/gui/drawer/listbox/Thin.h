#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IListBox.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/button/Thin.h"
#include "s/gui/drawer/text/Basic.h"

namespace s::gui::drawer::listbox::win {

// List rows on a plain background, every second row striped, the selected one filled.
class Thin final : public Pooled<Thin, IListBox> {
 public:
  static constexpr std::int32_t kBackground = 0;
  static constexpr std::int32_t kText = 1;
  static constexpr std::int32_t kSelected = 2;
  static constexpr std::int32_t kSelectedText = 3;
  static constexpr std::int32_t kStripe = 4;

  Thin();
  // The five colours in the order of the index constants.
  static s::base::Owned<Thin> create(Colour background, Colour text, Colour selected,
                                     Colour selectedText, Colour stripe);

  const char16_t* className() const override { return u"s_gui_drawer_listbox_win_Thin"; }
  // White background and stripe, black text, (120, 120, 120) selection with white text.
  void reset() override;

  void paintBackground(ISurface& surface, const Rect& rect) override;
  void paintItem(ISurface& surface, const Rect& rect, std::int32_t index, const char16_t* text,
                 const s::gui::win::FontSetting* font, bool selected, bool checkable,
                 bool checked) override;
  Colour colour(std::int32_t index) const override;
  void setColour(std::int32_t index, std::uint8_t red, std::uint8_t green,
                 std::uint8_t blue) override;
  IText& captionDrawer() override { return *caption_; }

 private:
  void setDefaults();

  Colour colours_[5];
  s::base::Owned<text::win::Basic> caption_;
  s::base::Owned<button::win::Thin> glyph_;
};

}  // namespace s::gui::drawer::listbox::win
