#pragma once

#include <cstdint>

namespace s::gui::drawer {

// What a control needs to size itself around a text.
struct TextMeasure {
  std::int32_t minimumWidth = 0;
  std::int32_t minimumHeight = 0;
  std::int32_t preferredWidth = 0;
  std::int32_t preferredHeight = 0;
};

}  // namespace s::gui::drawer
