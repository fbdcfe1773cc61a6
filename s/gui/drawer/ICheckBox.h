#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"
#include "s/gui/drawer/TextMeasure.h"

namespace s::gui::drawer {

class IText;

// A square box with a tick, and its caption to the right.
class ICheckBox : public IDrawer {
 public:
  // boxSize is the side of the box at the rectangle's top-left; font (may be null) is the
  // control's own, completed from the caption drawer's setting for the state.
  virtual void paint(ISurface& surface, const Rect& rect, std::int32_t boxSize,
                     const char16_t* caption, const s::gui::win::FontSetting* font, bool checked,
                     bool enabled, bool hot) = 0;
  // The caption's measure widened by the box and its gap.
  virtual TextMeasure measure(ISurface& surface, const char16_t* caption,
                              const s::gui::win::FontSetting* font) = 0;

  virtual Colour frameColour() const = 0;
  virtual void setFrameColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour captionColour() const = 0;
  virtual void setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour disabledCaptionColour() const = 0;
  virtual void setDisabledCaptionColour(std::uint8_t red, std::uint8_t green,
                                        std::uint8_t blue) = 0;
  // The box centred vertically in the rectangle instead of at its top.
  virtual bool boxCentred() const = 0;
  virtual void setBoxCentred(bool on) = 0;
  // The tick in the caption's colour instead of black (for dark schemes).
  virtual bool tickInCaptionColour() const = 0;
  virtual void setTickInCaptionColour(bool on) = 0;
  virtual IText& captionDrawer() = 0;
};

}  // namespace s::gui::drawer
