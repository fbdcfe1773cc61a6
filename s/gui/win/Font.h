#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/win/GdiObject.h"
#include "s/thread/IPoolable.h"

namespace s::gui::win {

// One text style of a control: the platform's font description, the GDI font made from it,
// two colours and the two layout flags of the text drawer. It remembers what was set
// explicitly, so that a drawer's defaults fill in only the rest (setting()).
//
// A new font is the theme's caption font on 6.0 and later when the visual-styles library has
// one, else 8-point "MS Shell Dlg 2" (height -13).
class Font final : public s::base::IObject, public s::thread::IPoolable {
 public:
  using Colour = s::gui::drawer::Colour;

  enum Property : std::uint32_t {
    kHeight = 1u << 0,
    kWidth = 1u << 1,
    kWeight = 1u << 2,
    kFace = 1u << 3,
    kTextColour = 1u << 4,
    kSecondColour = 1u << 5,
    kUnderline = 1u << 6,
    kItalic = 1u << 7,
    kMultiLine = 1u << 8,
    kEllipsis = 1u << 9,
    // A size code was applied.
    kSizeCode = 1u << 10,
  };

  static constexpr std::uint32_t kShape =
      kHeight | kWidth | kWeight | kFace | kUnderline | kItalic | kSizeCode;
  static constexpr Colour kInitialColour = 0xEEEEEE;

  Font();

  const char16_t* className() const override { return u"s_gui_win_Font"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Back to a new font's description; the GDI font is deleted.
  void reset() override;

  const LOGFONTW& logFont() const { return logFont_; }
  // The GDI font of the present description, made on first use after a change; null when the
  // platform refused. Owned by this font: callers borrow it.
  HFONT handle() const;

  // A size code (s/gui/FontSize.h); false, changing nothing, for a code that means no size.
  // The weight always follows the code; the height only when none was set explicitly.
  bool setSizeCode(std::int32_t code);
  // Character height in logical units as the platform takes it (negative: without leading).
  void setHeight(std::int32_t height);
  void setWidth(std::int32_t width);
  void setWeight(std::int32_t weight);
  // At most 31 characters are kept.
  void setFace(const char16_t* face);
  void setUnderline(bool on);
  void setItalic(bool on);

  Colour textColour() const { return textColour_; }
  void setTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  Colour secondColour() const { return secondColour_; }
  void setSecondColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool on);
  bool ellipsis() const { return ellipsis_; }
  void setEllipsis(bool on);

  bool isExplicit(Property property) const { return (explicit_ & property) != 0; }
  // Takes over other's description, colours, flags and explicit marks.
  void copyFrom(const Font& other);
  // Whether the face, size, weight or style was set (a size code counts).
  bool hasExplicitShape() const { return (explicit_ & kShape) != 0; }
  // What a drawer is handed: the colours and flags set explicitly, and this font's GDI font
  // when its shape was set.
  s::gui::win::FontSetting setting() const;
  // setting() completed by a drawer's defaults; a drawer without a font of its own gets this
  // font's, so that a text never falls back to the device context's font.
  s::gui::win::FontSetting settingOver(const s::gui::win::FontSetting& defaults) const;

  // The description every new font starts from (the theme's caption font or the defaults).
  static void initialLogFont(LOGFONTW* font);

 private:
  void changed() { font_.reset(); }

  LOGFONTW logFont_;
  mutable OwnedFont font_;
  Colour textColour_ = kInitialColour;
  Colour secondColour_ = kInitialColour;
  bool multiLine_ = false;
  bool ellipsis_ = false;
  std::uint32_t explicit_ = 0;
};

}  // namespace s::gui::win
