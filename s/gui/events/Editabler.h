#pragma once

#include "s/gui/events/TargetSwitch.h"

namespace s::gui::events {

// Makes every target editable when the trigger source fires.
class Editabler final : public TargetSwitch {
 public:
  const char16_t* className() const override { return u"s_gui_events_Editabler"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Forgets the source and the targets.
  void reset() override { resetSwitch(); }

 protected:
  void apply(s::gui::IComponent* target) override;
};

}  // namespace s::gui::events
