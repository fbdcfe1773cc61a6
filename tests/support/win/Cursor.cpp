#include "support/win/Cursor.h"

namespace support {

namespace {

// Posted to the asking thread itself, never to a window.
constexpr UINT kWhereProbe = WM_APP + 0x101;
constexpr DWORD kBudgetMs = 5000;
// Long enough for the display to have been asked (below), short enough to keep tests quick.
constexpr DWORD kSteadyMs = 150;

bool samePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

void sendMove(POINT at) {
  // Absolute input is in 1/65536ths of the primary screen; the middle of a pixel rounds right.
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT move = {};
  move.type = INPUT_MOUSE;
  move.mi.dx = static_cast<LONG>((at.x * 65536 + 32768) / width);
  move.mi.dy = static_cast<LONG>((at.y * 65536 + 32768) / height);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof(INPUT));
}

HWND topAt(POINT at) {
  HWND under = WindowFromPoint(at);
  HWND top = under != nullptr ? GetAncestor(under, GA_ROOT) : nullptr;
  return top != nullptr ? top : under;
}

// Makes a window's thread go through its queue once (bounded, so a hung one costs a second).
void roundTrip(HWND window) {
  if (window != nullptr) {
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
  }
}

// True when the cursor stays at `at` for a while, with the threads that turn the display's
// pointer events into input going through their queues meanwhile. Under Wine moving the
// display's pointer makes it report the place it left, a little later and on the desktop's
// thread: that stale move must come (and be put right) before a press, or the press lands where
// the cursor was.
bool staysAt(POINT at) {
  const DWORD since = GetTickCount();
  do {
    roundTrip(GetDesktopWindow());
    roundTrip(topAt(at));
    Sleep(10);
    // Not compared: the display's pointer stays behind while another program holds it (an open
    // menu), and input goes by the held place. Asked only because, 100 ms after a change, Wine
    // answers by asking the display, which then has certainly handled our move.
    POINT shown{};
    GetCursorPos(&shown);
    if (!samePoint(heldCursorPos(), at)) return false;
  } while (GetTickCount() - since < kSteadyMs);
  return true;
}

}  // namespace

POINT heldCursorPos() {
  MSG message{};
  // A thread has a queue to post to once it has looked at it.
  PeekMessageW(&message, nullptr, kWhereProbe, kWhereProbe, PM_NOREMOVE);
  if (PostThreadMessageW(GetCurrentThreadId(), kWhereProbe, 0, 0) &&
      PeekMessageW(&message, nullptr, kWhereProbe, kWhereProbe, PM_REMOVE)) {
    return message.pt;
  }
  POINT shown{};
  GetCursorPos(&shown);
  return shown;
}

bool putCursorAt(POINT at, HWND top) {
  const DWORD start = GetTickCount();
  // A move to where the cursor already is moves nothing, and the window under it would hear
  // nothing: come from beside it.
  if (samePoint(heldCursorPos(), at)) {
    const POINT beside{at.x > 0 ? at.x - 1 : at.x + 1, at.y};
    sendMove(beside);
    for (int i = 0; i < 100 && !samePoint(heldCursorPos(), beside); ++i) Sleep(5);
  }
  sendMove(at);
  do {
    if (staysAt(at) && (top == nullptr || topAt(at) == top)) return true;
    // Sent again when something took it back; by then the display's pointer is already there,
    // so what it reports afterwards is the right place.
    if (!samePoint(heldCursorPos(), at)) sendMove(at);
  } while (GetTickCount() - start < kBudgetMs);
  return false;
}

void pressLeftButton() {
  INPUT presses[2] = {};
  presses[0].type = INPUT_MOUSE;
  presses[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  presses[1].type = INPUT_MOUSE;
  presses[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, presses, sizeof(INPUT));
}

}  // namespace support
