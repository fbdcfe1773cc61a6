#include "s/gui/dialogs/win/OpenWithShell.h"

#include <windows.h>

#include "s/gui/win/Shell.h"

namespace s::gui::dialogs {

void openWithShell(const char16_t* target) {
  if (target == nullptr || *target == 0) return;
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.lpVerb = L"open";
  info.lpFile = reinterpret_cast<const wchar_t*>(target);
  info.lpParameters = L"";
  info.nShow = SW_SHOW;
  (void)s::gui::win::shell::shellExecuteEx(&info);
}

}  // namespace s::gui::dialogs
