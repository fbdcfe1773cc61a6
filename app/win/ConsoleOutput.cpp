#include "app/win/ConsoleOutput.h"

#include <windows.h>

#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace app::win {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

// Old consoles refuse very large writes; our texts are small, but a limit keeps it certain.
constexpr std::uint32_t kConsoleChunk = 8192;

bool isConsoleHandle(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != FALSE;
}

// AttachConsole is missing before XP; looked up so that the program still loads on Windows
// 2000 and can tell the user there that the system is not supported.
bool attachParentConsole() {
  using AttachConsoleFn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32");
  auto attach = kernel == nullptr ? nullptr
                                  : reinterpret_cast<AttachConsoleFn>(reinterpret_cast<void*>(
                                        GetProcAddress(kernel, "AttachConsole")));
  return attach != nullptr && attach(ATTACH_PARENT_PROCESS) != FALSE;
}

}  // namespace

ConsoleOutput::ConsoleOutput() {
  HANDLE inherited = GetStdHandle(STD_OUTPUT_HANDLE);
  if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE) {
    if (isConsoleHandle(inherited)) {
      handle_ = inherited;
      console_ = true;
      return;
    }
    // A file, a pipe or a device such as NUL: the caller chose where the text goes. A handle
    // of a console we are not attached to reads as unknown.
    DWORD type = GetFileType(inherited);
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE || type == FILE_TYPE_CHAR) {
      handle_ = inherited;
      return;
    }
  }
  // Access denied: this process has a console already (Wine gives a GUI child its parent's),
  // and CONOUT$ reaches it.
  if (!attachParentConsole() && GetLastError() != ERROR_ACCESS_DENIED) return;
  HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (console == INVALID_HANDLE_VALUE) return;
  handle_ = console;
  console_ = true;
  ownsHandle_ = true;
}

ConsoleOutput::~ConsoleOutput() {
  if (ownsHandle_) CloseHandle(static_cast<HANDLE>(handle_));
}

void ConsoleOutput::write(const char16_t* units, std::uint32_t count) {
  if (handle_ == nullptr || count == 0) return;
  HANDLE handle = static_cast<HANDLE>(handle_);
  if (console_) {
    const wchar_t* text = reinterpret_cast<const wchar_t*>(units);
    while (count > 0) {
      DWORD chunk = count < kConsoleChunk ? count : kConsoleChunk;
      DWORD written = 0;
      if (!WriteConsoleW(handle, text, chunk, &written, nullptr) || written == 0) return;
      text += written;
      count -= written;
    }
    return;
  }
  s::base::Owned<s::str::strbuffer::StrBuffer> text = s::str::strbuffer::newStr();
  text->appendUnits(units, count);
  s::base::Owned<s::col::_array::ArrayU08> bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  text->toUtf8Unterminated(*bytes, false);
  const std::uint8_t* next = bytes->items();
  std::uint32_t left = bytes->count();
  while (left > 0) {
    DWORD written = 0;
    if (!WriteFile(handle, next, left, &written, nullptr) || written == 0) return;
    next += written;
    left -= written;
  }
}

}  // namespace app::win
