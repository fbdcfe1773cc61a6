#pragma once

#include <cstdint>

#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"
#include "s/gui/drawer/Region.h"

namespace s::gui::drawer {

// The frame and face of a frameless, skinned top-level window.
class IWindow : public IDrawer {
 public:
  // Paints at the control's origin: width and height come from the rectangle.
  virtual void paint(ISurface& surface, const Rect& rect) = 0;
  // The window's shape for left, top and the inclusive right and bottom.
  virtual Region makeRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom) const = 0;
  virtual Colour faceColour() const = 0;
  virtual std::uint8_t faceRed() const = 0;
  virtual std::uint8_t faceGreen() const = 0;
  virtual std::uint8_t faceBlue() const = 0;
  // Also makes the face opaque.
  virtual void setFaceColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour borderColour() const = 0;
  virtual std::uint8_t borderRed() const = 0;
  virtual std::uint8_t borderGreen() const = 0;
  virtual std::uint8_t borderBlue() const = 0;
  virtual void setBorderColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // 0 square, 1 small rounding, 2 large rounding.
  virtual void setTopCornerStyle(std::int32_t style) = 0;
  virtual void setBottomCornerStyle(std::int32_t style) = 0;
  virtual std::int32_t topCornerStyle() const = 0;
  virtual std::int32_t bottomCornerStyle() const = 0;
  // A transparent window drawer paints the frame only.
  virtual bool isTransparent() const = 0;
  virtual void setTransparent(bool transparent) = 0;
};

}  // namespace s::gui::drawer
