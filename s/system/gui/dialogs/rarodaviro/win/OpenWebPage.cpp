#include "s/system/gui/dialogs/rarodaviro/win/OpenWebPage.h"

#include <windows.h>

#include <shellapi.h>

namespace s::system::gui::dialogs::rarodaviro::win {

void openWebPage(const char16_t* address) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.lpVerb = L"open";
  info.lpFile = reinterpret_cast<const wchar_t*>(address);
  info.lpParameters = L"";
  info.nShow = SW_SHOW;
  (void)ShellExecuteExW(&info);
}

}  // namespace s::system::gui::dialogs::rarodaviro::win
