#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/skin/Scheme.h"

namespace s::gui::drawer::skin {

// The schemes of "ThinWindow" skins: frameless windows whose every control is skinned.
class ThinWindow final : public Pooled<ThinWindow, Scheme> {
 public:
  // The fifteen colours a scheme is made from, in the order of the scheme table.
  struct Colours {
    Colour face, frame, disabled, line, groupLine, text, textThird, bar, hotFill, hotText,
        listFirst, listSecond, listFifth, counterFirst, counterSecond;
  };

  // A scheme called name with every drawer configured from the colours.
  static s::base::Owned<ThinWindow> create(const char16_t* name, const Colours& colours);
  // The scheme at position code of the fixed list (null outside it).
  static s::base::Owned<ThinWindow> createScheme(std::int32_t code);
  static std::int32_t schemeCount();

  const char16_t* className() const override { return u"s_gui_drawer_skin_ThinWindow"; }
  void reset() override { clear(); }
};

}  // namespace s::gui::drawer::skin
