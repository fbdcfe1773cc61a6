#pragma once

#include <cstdint>

namespace s::gui::drawer {

// A 24-bit colour in the platform's layout: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 |
         static_cast<Colour>(blue) << 16;
}
constexpr std::uint8_t redOf(Colour colour) { return static_cast<std::uint8_t>(colour); }
constexpr std::uint8_t greenOf(Colour colour) { return static_cast<std::uint8_t>(colour >> 8); }
constexpr std::uint8_t blueOf(Colour colour) { return static_cast<std::uint8_t>(colour >> 16); }

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);

}  // namespace s::gui::drawer
