#pragma once

namespace s::system::gui::dialogs::rarodaviro {

// What the tool window's two buttons do. The program supplies it: the window knows the
// buttons, the messages and the enabled states, not the registry.
class IHeapCommands {
 public:
  // The message to show after a command and whether it is a success or an error. The text
  // stays valid until the next command or language change.
  struct Answer {
    bool succeeded = false;
    const char16_t* text = u"";
  };

  virtual ~IHeapCommands() = default;
  // "Increase it Now!".
  virtual Answer apply() = 0;
  // "Undo the Change".
  virtual Answer undo() = 0;
  // Whether the change is in force: the apply button is enabled exactly when it is not.
  virtual bool isInForce() = 0;
};

}  // namespace s::system::gui::dialogs::rarodaviro
