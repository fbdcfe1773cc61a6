#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IWindow.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::window::win {

// A one-pixel frame around a solid face, with square, slightly or fully rounded corners.
class Thin final : public Pooled<Thin, IWindow> {
 public:
  // A drawer with the border and face colours and square corners.
  static s::base::Owned<Thin> create(Colour border, Colour face);

  const char16_t* className() const override { return u"s_gui_drawer_window_win_Thin"; }
  // White face (transparent until a face is set), border (120, 120, 120), square corners.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect) override;
  Region makeRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom) const override;
  Colour faceColour() const override { return face_; }
  std::uint8_t faceRed() const override { return redOf(face_); }
  std::uint8_t faceGreen() const override { return greenOf(face_); }
  std::uint8_t faceBlue() const override { return blueOf(face_); }
  void setFaceColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  Colour borderColour() const override { return border_; }
  std::uint8_t borderRed() const override { return redOf(border_); }
  std::uint8_t borderGreen() const override { return greenOf(border_); }
  std::uint8_t borderBlue() const override { return blueOf(border_); }
  void setBorderColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    border_ = rgb(red, green, blue);
  }
  void setTopCornerStyle(std::int32_t style) override { topStyle_ = style; }
  void setBottomCornerStyle(std::int32_t style) override { bottomStyle_ = style; }
  std::int32_t topCornerStyle() const override { return topStyle_; }
  std::int32_t bottomCornerStyle() const override { return bottomStyle_; }
  bool isTransparent() const override { return transparent_; }
  void setTransparent(bool transparent) override { transparent_ = transparent; }

 private:
  Colour face_ = kWhite;
  Colour border_ = rgb(120, 120, 120);
  std::int32_t topStyle_ = 0;
  std::int32_t bottomStyle_ = 0;
  bool transparent_ = true;
};

}  // namespace s::gui::drawer::window::win
