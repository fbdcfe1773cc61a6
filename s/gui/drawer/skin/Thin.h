#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/skin/Scheme.h"

namespace s::gui::drawer::skin {

// The schemes of "Thin" skins: a text colour and five colours for everything.
class Thin final : public Pooled<Thin, Scheme> {
 public:
  struct Colours {
    Colour text, face, line, sliderBar, counterFirst, counterSecond;
  };

  static s::base::Owned<Thin> create(const char16_t* name, const Colours& colours);
  // The scheme at position code of the fixed list (null outside it).
  static s::base::Owned<Thin> createScheme(std::int32_t code);
  static std::int32_t schemeCount();

  const char16_t* className() const override { return u"s_gui_drawer_skin_Thin"; }
  void reset() override { clear(); }
};

}  // namespace s::gui::drawer::skin
