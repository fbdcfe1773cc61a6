// Two copies of one program: the second must find the first, restore and activate its window
// and end; a copy of the file at another path is another program. One executable plays every
// part, chosen by its first argument:
//   serve         initialises the application and shows a minimised window titled with the
//                 product's title, then reports what it was sent (exit code, below)
//   serve-window  the same with the toolkit's window, bound like the program's main window and
//                 iconized to the notification area
//   find          looks for another instance by the process list, signalling it
//   find-desktop  the same through the desktop's windows, also telling it a copy started
//   no-class      a toolkit window when its window class cannot be registered (exit code 0
//                 when it failed as it should; otherwise the bits of the checks that failed)
//   hung-window   destroys a toolkit window whose UI thread is stuck in a listener (0 when the
//                 destruction returned after the stop budget, the thread suspended)
//   drive         runs the parts against each other and checks the outcome (the ctest)
// A serving copy exits with 100 x (1027 messages) + 10 x (1031 messages) + 1 when its window
// was in front and not minimised afterwards; the toolkit's window reports 100 once it was
// restored, 10 x (another-copy events) and the same 1.
#include <windows.h>

#include <cstdio>
#include <string>

#include "s/app/AppWindow.h"
#include "s/app/win/AppBase.h"
#include "s/gui/IWindow.h"
#include "s/gui/win/Window.h"
#include "s/gui/win/WindowClass.h"
#include "s/lang/Lang.h"
#include "s/process/commandline/win/ProgramCommandLine.h"
#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"
#include "s/thread/Pool.h"
#include "support/win/MessageBoxWatcher.h"

namespace {

constexpr const char16_t* kStore = u"Software\\Vexo\\VexoTest-instance\\SaveData";
constexpr const char16_t* kStoreArea = u"Software\\Vexo\\VexoTest-instance";
constexpr const wchar_t* kClass = L"VexoTestInstanceProbe";
constexpr UINT_PTR kFinishTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;
constexpr DWORD kChildBudgetMs = 30000;
constexpr const wchar_t* kReadyEvent = L"VexoTestInstanceProbeReady";
constexpr const wchar_t* kDoneEvent = L"VexoTestInstanceProbeDone";

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

struct Served {
  int restoreCount = 0;
  int startedCount = 0;
  HWND window = nullptr;
};
Served served;

LRESULT CALLBACK serveProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case 1027:
      ++served.restoreCount;
      ShowWindow(window, SW_RESTORE);
      SetForegroundWindow(window);
      // A 1031 may follow; wait a little for it before reporting.
      SetTimer(window, kFinishTimer, 1000, nullptr);
      return 0;
    case 1031:
      ++served.startedCount;
      return 0;
    case WM_TIMER: {
      const bool inFront = GetForegroundWindow() == window && !IsIconic(window);
      const int code = wParam == kGiveUpTimer ? 2
                                              : 100 * served.restoreCount +
                                                    10 * served.startedCount + (inFront ? 1 : 0);
      KillTimer(window, wParam);
      PostQuitMessage(code);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

s::base::Owned<s::app::win::AppBase> application() {
  auto app = s::thread::obtain<s::app::win::AppBase>();
  s::app::win::AppSetup setup;
  setup.storePath = kStore;
  app->initialize(setup);
  return app;
}

int serve() {
  auto app = application();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &serveProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);
  // Like a toolkit window: a hidden, untitled owner, and the titled window it owns.
  HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, windowClass.hInstance, nullptr);
  served.window = CreateWindowExW(0, kClass, wide(s::lang::textOf(*app->localizer(), 500000)),
                                  WS_OVERLAPPEDWINDOW, 100, 100, 230, 230, owner, nullptr,
                                  windowClass.hInstance, nullptr);
  if (served.window == nullptr) return 3;
  ShowWindow(served.window, SW_SHOWMINNOACTIVE);
  SetTimer(served.window, kGiveUpTimer, kChildBudgetMs, nullptr);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyWindow(owner);
  return static_cast<int>(message.wParam);
}

// Counts the another-copy events of the window it listens to.
class CopyCounter final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject*, std::int32_t code) override {
    if (code == s::gui::IWindow::kAnotherCopyStarted) ++count;
  }
  volatile int count = 0;
};

int serveWindow() {
  auto app = application();
  auto binding = s::app::win::createAppWindow(app.get(), u"MainWindow", app->editionWord(), 230,
                                              230, nullptr, nullptr);
  auto window = s::thread::obtain<s::gui::win::Window>();
  if (window->handle() == nullptr) return 3;
  CopyCounter copies;
  window->addListener(s::gui::IWindow::kAnotherCopyStarted, &copies);
  window->bind(binding.get());
  window->show(true, true);
  window->iconize();
  // The driver waits for this before it starts the second copy.
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, kReadyEvent);
  if (ready != nullptr) {
    SetEvent(ready);
    CloseHandle(ready);
  }
  // The driver says when the second copy has ended: everything it sent has been handled.
  HANDLE done = OpenEventW(SYNCHRONIZE, FALSE, kDoneEvent);
  const bool ended = done != nullptr && WaitForSingleObject(done, kChildBudgetMs) == WAIT_OBJECT_0;
  if (done != nullptr) CloseHandle(done);
  if (!ended || window->isIconized()) return 2;
  const bool inFront = GetForegroundWindow() == window->handle() && !IsIconic(window->handle()) &&
                       IsWindowVisible(window->handle());
  const int code = 100 + 10 * copies.count + (inFront ? 1 : 0);
  window->close();
  return code;
}

int find(bool desktop) {
  auto app = application();
  const bool found = desktop ? app->findOtherInstanceOnDesktop(true, true, true)
                             : app->findOtherInstance(true, false, true);
  return found ? 0 : 1;
}

// Registration is once per process, so a failing one is played in a process of its own: the
// class name is taken first, by a class of the same kind from this program (a global one: Wine
// lets a global class share its name with a local one).
int noClass() {
  WNDCLASSW taken{};
  taken.style = CS_GLOBALCLASS;
  taken.lpfnWndProc = &DefWindowProcW;
  taken.hInstance = GetModuleHandleW(nullptr);
  taken.lpszClassName = s::gui::win::WindowClass::kName;
  if (RegisterClassW(&taken) == 0) return 128;
  int failed = 0;
  support::MessageBoxWatcher reader(0, IDOK);
  const DWORD start = GetTickCount();
  auto* window = new s::gui::win::Window();
  const DWORD built = GetTickCount() - start;
  reader.finish();
  if (reader.text != L"Window Registration Failed!") failed |= 1;
  if (reader.caption != L"Error!" || !reader.showedIcon(IDI_WARNING)) failed |= 2;
  if (built > 6000) failed |= 4;
  if (window->handle() != nullptr || window->ownerHandle() != nullptr) failed |= 8;
  // Nothing that needs the native window does anything, and nothing waits for it.
  window->setTitle(u"Nobody sees this");
  window->show(true, true);
  window->waitUntilClosed();
  if (window->startTimer(1, 10) || window->postStatus(u"Status", 1, 2, 3) != 0 ||
      window->registerHotKey(false, true, false, false, 'N', u"VexoTestNoClassKey", false) ||
      window->isShown() || window->width() != 0 || window->hasClosed()) {
    failed |= 16;
  }
  const DWORD gone = GetTickCount();
  delete window;
  if (GetTickCount() - gone > 6000) failed |= 32;
  return failed;
}

// Blocks the window's thread in the first key event until the process ends.
class Blocker final : public s::gui::events::IEventListener {
 public:
  Blocker() : entered(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  void event(s::base::IObject*, std::int32_t) override {
    SetEvent(entered);
    WaitForSingleObject(never_, INFINITE);
  }
  HANDLE entered;

 private:
  HANDLE never_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

// Destroying a window whose thread is stuck must neither hang nor take longer than the stop
// budget: the thread is suspended and stays so. In a process of its own, since the suspended
// thread keeps its windows until the process ends.
int hungWindow() {
  auto* window = new s::gui::win::Window();
  if (window->handle() == nullptr) return 128;
  Blocker blocker;
  window->addListener(s::gui::IWindow::kKey, &blocker);
  HANDLE thread = nullptr;
  if (!DuplicateHandle(GetCurrentProcess(), window->uiThread().handle(), GetCurrentProcess(),
                       &thread, SYNCHRONIZE | THREAD_SUSPEND_RESUME, FALSE, 0)) {
    return 129;
  }
  PostMessageW(window->handle(), WM_KEYDOWN, 'H', 1);
  if (WaitForSingleObject(blocker.entered, 5000) != WAIT_OBJECT_0) return 130;
  int failed = 0;
  const DWORD start = GetTickCount();
  delete window;
  const DWORD took = GetTickCount() - start;
  const DWORD budget = s::gui::win::UIThread::kStopBudgetMs;
  if (took + 100 < budget || took > 2 * budget) failed |= 1;
  if (WaitForSingleObject(thread, 0) != WAIT_TIMEOUT) failed |= 2;
  // Suspended once: suspending again finds a count of 1 (and is undone).
  const DWORD count = SuspendThread(thread);
  if (count != 1) failed |= 4;
  if (count != static_cast<DWORD>(-1)) ResumeThread(thread);
  std::printf("hung-window: destroyed in %lu ms\n", static_cast<unsigned long>(took));
  return failed;
}

// ---- the driver ----

std::wstring ownPath() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, n);
}

struct Child {
  HANDLE process = nullptr;
  DWORD id = 0;
};

Child startPart(const std::wstring& program, const wchar_t* part) {
  std::wstring line = L"\"" + program + L"\" " + part;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return Child{};
  }
  CloseHandle(info.hThread);
  return Child{info.hProcess, info.dwProcessId};
}

// The exit code, or -1 when the part did not end in time (it is then ended).
int finish(Child& child) {
  if (child.process == nullptr) return -1;
  DWORD code = 0;
  if (WaitForSingleObject(child.process, kChildBudgetMs) != WAIT_OBJECT_0) {
    TerminateProcess(child.process, 99);
    WaitForSingleObject(child.process, kChildBudgetMs);
    code = static_cast<DWORD>(-1);
  } else {
    GetExitCodeProcess(child.process, &code);
  }
  CloseHandle(child.process);
  child.process = nullptr;
  return static_cast<int>(code);
}

int runPart(const std::wstring& program, const wchar_t* part) {
  Child child = startPart(program, part);
  return finish(child);
}

struct ServedWindowSearch {
  DWORD processId;
  bool found;
};

BOOL CALLBACK onWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<ServedWindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (processId == search->processId && title[0] != 0) search->found = true;
  return search->found ? FALSE : TRUE;
}

bool waitForServedWindow(const Child& child) {
  for (DWORD waited = 0; waited < kChildBudgetMs; waited += 50) {
    ServedWindowSearch search{child.id, false};
    EnumWindows(&onWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return true;
    if (WaitForSingleObject(child.process, 50) == WAIT_OBJECT_0) return false;
  }
  return false;
}

int failures = 0;

void expect(bool ok, const char* what, int got) {
  std::printf("%s %s (got %d)\n", ok ? "ok  " : "FAIL", what, got);
  if (!ok) ++failures;
}

// The driver is a process of this file too, so the copies under test run from two other places:
// the program's place and another one.
int drive() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"vexo-instance-probe";
  const std::wstring places[] = {folder + L"\\program", folder + L"\\elsewhere"};
  const std::wstring self = places[0] + L"\\instance_probe.exe";
  const std::wstring copy = places[1] + L"\\instance_probe.exe";
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const std::wstring& place : places) CreateDirectoryW(place.c_str(), nullptr);
  expect(CopyFileW(ownPath().c_str(), self.c_str(), FALSE) != 0 &&
             CopyFileW(ownPath().c_str(), copy.c_str(), FALSE) != 0,
         "the program copied to two places", 0);

  {
    Child first = startPart(self, L"serve");
    expect(waitForServedWindow(first), "the first copy shows its window", 0);
    int code = runPart(copy, L"find");
    expect(code == 1, "a copy at another path finds no other instance", code);
    code = runPart(self, L"find");
    expect(code == 0, "a second copy of the same file finds the first", code);
    // The process list spells the name as the copy was started: letter case must not count.
    code = runPart(places[0] + L"\\INSTANCE_PROBE.EXE", L"find");
    expect(code == 0, "a copy started by its name in capitals finds the first", code);
    code = finish(first);
    expect(code == 201, "the first copy got 1027 once per copy and came to the front", code);
  }
  {
    Child first = startPart(self, L"serve");
    expect(waitForServedWindow(first), "the first copy shows its window again", 0);
    int code = runPart(self, L"find-desktop");
    expect(code == 0, "the desktop search finds the first copy too", code);
    code = finish(first);
    expect(code == 111, "asked to, it also tells the first copy that another one started", code);
  }

  {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, kReadyEvent);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, kDoneEvent);
    Child first = startPart(self, L"serve-window");
    const HANDLE either[] = {ready, first.process};
    const DWORD woke = WaitForMultipleObjects(2, either, FALSE, kChildBudgetMs);
    expect(woke == WAIT_OBJECT_0, "the first copy's window waits in the notification area",
           static_cast<int>(woke));
    CloseHandle(ready);
    int code = runPart(self, L"find-desktop");
    expect(code == 0, "the second copy finds the first by its desktop windows", code);
    SetEvent(done);
    CloseHandle(done);
    code = finish(first);
    expect(code == 111, "the window came back from the notification area, in front, told once",
           code);
  }

  {
    int code = runPart(self, L"no-class");
    expect(code == 0, "a window whose class cannot be registered says so and stays without handle",
           code);
    code = runPart(self, L"hung-window");
    expect(code == 0, "destroying a window whose thread hangs ends after the budget, suspended",
           code);
  }

  DeleteFileW(self.c_str());
  DeleteFileW(copy.c_str());
  for (const std::wstring& place : places) RemoveDirectoryW(place.c_str());
  RemoveDirectoryW(folder.c_str());
  (void)s::reg::OpenRegDir(s::reg::kHkeyCurrentUser, kStoreArea)->deleteTree(true);
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main() {
  auto line = s::thread::obtain<s::process::commandline::win::CommandLine>();
  s::process::commandline::win::parseProgramCommandLine(*line);
  const std::u16string part = line->argument(0);
  if (part == u"serve") return serve();
  if (part == u"serve-window") return serveWindow();
  if (part == u"find") return find(false);
  if (part == u"find-desktop") return find(true);
  if (part == u"no-class") return noClass();
  if (part == u"hung-window") return hungWindow();
  if (part == u"drive") return drive();
  std::printf(
      "usage: instance_probe serve|serve-window|find|find-desktop|no-class|hung-window|drive\n");
  return 64;
}
