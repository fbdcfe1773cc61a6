#pragma once

#include <cstdint>

#include "s/gui/drawer/Colour.h"

namespace s::gui::win {

// How a text is drawn: a borrowed native font (null: the surface's own), three colours, the
// effect code of the text drawer and two layout flags. It remembers which properties were set
// explicitly, so that a drawer's default only fills in what a control left open.
class FontSetting {
 public:
  using Colour = s::gui::drawer::Colour;

  enum Property : std::uint32_t {
    kFont = 1u << 0,
    kTextColour = 1u << 1,
    kSecondColour = 1u << 2,
    kThirdColour = 1u << 3,
    kEffect = 1u << 4,
    kMultiLine = 1u << 5,
    kEllipsis = 1u << 6,
  };

  // A native font handle (an HFONT on Windows); not owned.
  void* font() const { return font_; }
  void setFont(void* font) {
    font_ = font;
    explicit_ |= kFont;
  }

  Colour textColour() const { return textColour_; }
  void setTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    setTextColour(s::gui::drawer::rgb(red, green, blue));
  }
  void setTextColour(Colour colour) {
    textColour_ = colour;
    explicit_ |= kTextColour;
  }
  Colour secondColour() const { return secondColour_; }
  void setSecondColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    setSecondColour(s::gui::drawer::rgb(red, green, blue));
  }
  void setSecondColour(Colour colour) {
    secondColour_ = colour;
    explicit_ |= kSecondColour;
  }
  Colour thirdColour() const { return thirdColour_; }
  void setThirdColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    setThirdColour(s::gui::drawer::rgb(red, green, blue));
  }
  void setThirdColour(Colour colour) {
    thirdColour_ = colour;
    explicit_ |= kThirdColour;
  }

  // 0 plain, 1 outline, 2 shadow, 3 to 6 engraved and embossed, 7 outline in the third colour;
  // other codes draw plain.
  std::int32_t effect() const { return effect_; }
  void setEffect(std::int32_t effect) {
    effect_ = effect;
    explicit_ |= kEffect;
  }
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool on) {
    multiLine_ = on;
    explicit_ |= kMultiLine;
  }
  bool ellipsis() const { return ellipsis_; }
  void setEllipsis(bool on) {
    ellipsis_ = on;
    explicit_ |= kEllipsis;
  }

  bool isExplicit(Property property) const { return (explicit_ & property) != 0; }
  std::uint32_t explicitProperties() const { return explicit_; }

  // This setting where it was set explicitly, defaults everywhere else.
  FontSetting filledFrom(const FontSetting& defaults) const;
  // Back to the values of a new setting, nothing explicit.
  void clear() { *this = FontSetting(); }

 private:
  void* font_ = nullptr;
  Colour textColour_ = s::gui::drawer::kBlack;
  Colour secondColour_ = s::gui::drawer::rgb(238, 238, 238);
  Colour thirdColour_ = s::gui::drawer::rgb(238, 238, 238);
  std::int32_t effect_ = 0;
  bool multiLine_ = false;
  bool ellipsis_ = false;
  std::uint32_t explicit_ = 0;
};

inline FontSetting FontSetting::filledFrom(const FontSetting& defaults) const {
  FontSetting result = defaults;
  if (isExplicit(kFont)) result.font_ = font_;
  if (isExplicit(kTextColour)) result.textColour_ = textColour_;
  if (isExplicit(kSecondColour)) result.secondColour_ = secondColour_;
  if (isExplicit(kThirdColour)) result.thirdColour_ = thirdColour_;
  if (isExplicit(kEffect)) result.effect_ = effect_;
  if (isExplicit(kMultiLine)) result.multiLine_ = multiLine_;
  if (isExplicit(kEllipsis)) result.ellipsis_ = ellipsis_;
  result.explicit_ = defaults.explicit_ | explicit_;
  return result;
}

}  // namespace s::gui::win
