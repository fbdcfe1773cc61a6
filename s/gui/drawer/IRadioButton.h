#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"
#include "s/gui/drawer/TextMeasure.h"

namespace s::gui::drawer {

class IText;

// A round mark with a dot when chosen, and its caption to the right.
class IRadioButton : public IDrawer {
 public:
  virtual void paint(ISurface& surface, const Rect& rect, std::int32_t markSize,
                     const char16_t* caption, const s::gui::win::FontSetting* font, bool checked,
                     bool enabled, bool hot) = 0;
  virtual TextMeasure measure(ISurface& surface, const char16_t* caption,
                              const s::gui::win::FontSetting* font) = 0;

  virtual Colour circleColour() const = 0;
  virtual void setCircleColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour captionColour() const = 0;
  virtual void setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour disabledCaptionColour() const = 0;
  virtual void setDisabledCaptionColour(std::uint8_t red, std::uint8_t green,
                                        std::uint8_t blue) = 0;
  // The dot of a chosen mark.
  virtual Colour secondColour() const = 0;
  virtual void setSecondColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual IText& captionDrawer() = 0;
};

}  // namespace s::gui::drawer
