#pragma once

#include "s/system/gui/dialogs/rarodaviro/IHeapCommands.h"

namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}

namespace app {

// The tool window's buttons on the shared apply and undo: the same editor, kept values and
// "OperationDone" as the command line, and the answer's text in the current language.
class HeapCommands final : public s::system::gui::dialogs::rarodaviro::IHeapCommands {
 public:
  HeapCommands(s::map::IMappedData& store, s::lang::Localizer& localizer)
      : store_(store), localizer_(localizer) {}

  Answer apply() override;
  Answer undo() override;
  bool isInForce() override;

 private:
  s::map::IMappedData& store_;
  s::lang::Localizer& localizer_;
};

}  // namespace app
