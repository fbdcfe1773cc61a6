// The command-line modes as a script meets them under Windows XP: the probe (a GUI program,
// as the real one) started as a process of its own, its output read through a pipe, its exit
// code taken, and the registry read back through the Win32 registry functions byte for byte.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/ChangeLock.h"
#include "s/lang/Lang.h"
#include "s/reg/RegDir.h"
#include "support/LangDocument.h"
#include "support/StatusReports.h"
#include "support/TestStoreArea.h"
#include "support/win/CommandLineProbe.h"
#include "support/win/HeapRegistryState.h"
#include "support/win/ReadOnlyKey.h"

namespace {

const wchar_t* const kSubSystemsW =
    L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
const wchar_t* const kMemoryW =
    L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const wchar_t* const kViewW = L"Software\\Vexo\\VexoTest-cli\\SaveData\\MainWindow\\View";

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

std::wstring folderOfThisProgram() {
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring probePath() { return folderOfThisProgram() + L"cli_probe.exe"; }

struct RawValue {
  bool present = false;
  DWORD type = 0;
  std::vector<BYTE> bytes;
  bool operator==(const RawValue& other) const {
    return present == other.present && type == other.type && bytes == other.bytes;
  }
};

RawValue readRaw(HKEY root, const wchar_t* path, const wchar_t* name) {
  RawValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return value;
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.bytes.resize(size);
    value.present = RegQueryValueExW(key, name, nullptr, &value.type, value.bytes.data(), &size) ==
                    ERROR_SUCCESS;
    value.bytes.resize(size);
  }
  RegCloseKey(key);
  return value;
}

RawValue textValue(DWORD type, const std::u16string& text) {
  RawValue value;
  value.present = true;
  value.type = type;
  const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  value.bytes.assign(bytes, bytes + 2 * (text.size() + 1));
  return value;
}

RawValue dwordValue(DWORD number) {
  RawValue value;
  value.present = true;
  value.type = REG_DWORD;
  const BYTE* bytes = reinterpret_cast<const BYTE*>(&number);
  value.bytes.assign(bytes, bytes + 4);
  return value;
}

// Everything the modes may touch: the two machine values and the three kept in the store.
struct Snapshot {
  RawValue windows, sessionViewSize, keptSessionViewSize, keptDesktopHeap, done;
  static Snapshot take() {
    return {readRaw(HKEY_LOCAL_MACHINE, kSubSystemsW, L"Windows"),
            readRaw(HKEY_LOCAL_MACHINE, kMemoryW, L"SessionViewSize"),
            readRaw(HKEY_CURRENT_USER, kViewW, L"OriginalSessionViewSize"),
            readRaw(HKEY_CURRENT_USER, kViewW, L"OriginalDesktopHeap"),
            readRaw(HKEY_CURRENT_USER, kViewW, L"OperationDone")};
  }
  bool operator==(const Snapshot& o) const {
    return windows == o.windows && sessionViewSize == o.sessionViewSize &&
           keptSessionViewSize == o.keptSessionViewSize && keptDesktopHeap == o.keptDesktopHeap &&
           done == o.done;
  }
};

std::u16string stockWith(const char16_t* clause) {
  std::u16string value = vexo_test::kStockXpWindows;
  value.replace(value.find(u"SharedSection=1024,3072,512"), 27, clause);
  return value;
}

struct ProbeRun {
  DWORD code = 0xFFFFFFFF;
  std::u16string text;
};

// Starts the probe with the arguments, its standard output and error a pipe, as a script that
// redirects it would; bounded, so that a stuck probe fails the test instead of hanging it.
ProbeRun runProbe(const std::wstring& exe, const std::wstring& arguments) {
  ProbeRun run;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  REQUIRE(CreatePipe(&readEnd, &writeEnd, &inherit, 65536));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    FAIL("the probe did not start: error " << GetLastError());
    return run;
  }
  // The output is read while the probe runs, and every wait is bounded: neither a full pipe nor
  // a write end some other process still holds can stop the test.
  std::string bytes;
  char buffer[4096];
  const DWORD start = GetTickCount();
  bool ended = false;
  for (;;) {
    DWORD available = 0;
    if (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
      DWORD got = 0;
      const DWORD wanted = available < sizeof buffer ? available : sizeof buffer;
      if (!ReadFile(readEnd, buffer, wanted, &got, nullptr) || got == 0) break;
      bytes.append(buffer, got);
      continue;
    }
    if (ended) break;
    if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) {
      ended = true;  // what it wrote last may still be in the pipe: read once more
      continue;
    }
    if (GetTickCount() - start > 60000) {
      TerminateProcess(process.hProcess, 0xDEAD);
      WaitForSingleObject(process.hProcess, 5000);
      CHECK_MESSAGE(false, "the probe did not end within a minute");
      ended = true;
    }
  }
  GetExitCodeProcess(process.hProcess, &run.code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(readEnd);
  auto text = s::str::strbuffer::newStr();
  text->fromUtf8(bytes.data(), false, static_cast<std::uint32_t>(bytes.size()));
  run.text.assign(text->data(), text->length());
  return run;
}

ProbeRun runProbe(const std::wstring& arguments) { return runProbe(probePath(), arguments); }

bool hasLine(const std::u16string& text, const std::u16string& line) {
  return (u"\r\n" + text).find(u"\r\n" + line + u"\r\n") != std::u16string::npos;
}

std::string narrow(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) bytes += unit < 0x80 ? static_cast<char>(unit) : '?';
  return bytes;
}

// The probe's own store area, removed before and after each test; the machine values seeded
// as on a stock Windows XP (SessionViewSize 48) and put back as found afterwards.
struct Scene {
  Scene() {
    REQUIRE(state.seeded());
    auto memory = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kMemoryManagementPath);
    REQUIRE(memory->setUInt32(app::kSessionViewSizeValue, 48) == s::reg::NtStatus::kSuccess);
  }
  // The language the program starts in, as the window's language menu leaves it.
  void chooseLanguage(const char16_t* engName) {
    REQUIRE(area.section(u"Language")->setString(u"", engName) == s::reg::NtStatus::kSuccess);
  }
  std::u16string text(std::int32_t entry, const char16_t* language = u"English") {
    s::lang::selectLanguage(*localizer, language);
    return s::lang::textOf(*localizer, entry);
  }
  support::TestStoreArea area{vexo_test::kProbeArea};
  vexo_test::HeapRegistryState state;
  s::base::Owned<s::lang::Localizer> localizer =
      s::lang::createLocalizerFromUtf8(support::langDocumentBytes(), support::langDocumentSize());
};

// A copy of the probe to which Wine reports another Windows version: Wine reads the version
// of a program by its file name when the process starts.
class VersionedProbe {
 public:
  explicit VersionedProbe(const wchar_t* version) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"vexo_cli_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    name_ = std::wstring(L"cli_probe_") + version + L".exe";
    // The probe reads the program's resources from the module beside it.
    copied_ = CopyFileW(probePath().c_str(), path().c_str(), FALSE) &&
              CopyFileW((folderOfThisProgram() + kModule).c_str(),
                        (folder_ + L"\\" + kModule).c_str(), FALSE);
    HKEY parent = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kAppDefaults, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &parent, &disposition) == ERROR_SUCCESS) {
      madeParent_ = disposition == REG_CREATED_NEW_KEY;
      HKEY key = nullptr;
      if (RegCreateKeyExW(parent, name_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                          nullptr) == ERROR_SUCCESS) {
        set_ = RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                              static_cast<DWORD>(2 * (wcslen(version) + 1))) == ERROR_SUCCESS;
        RegCloseKey(key);
      }
      RegCloseKey(parent);
    }
  }
  VersionedProbe(const VersionedProbe&) = delete;
  VersionedProbe& operator=(const VersionedProbe&) = delete;
  ~VersionedProbe() {
    HKEY parent = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kAppDefaults, 0, KEY_ALL_ACCESS, &parent) ==
        ERROR_SUCCESS) {
      RegDeleteKeyW(parent, name_.c_str());
      RegCloseKey(parent);
    }
    // Fails while anything else is in it, which is what we want.
    if (madeParent_) RegDeleteKeyW(HKEY_CURRENT_USER, kAppDefaults);
    DeleteFileW(path().c_str());
    DeleteFileW((folder_ + L"\\" + kModule).c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  bool ready() const { return copied_ && set_; }
  std::wstring path() const { return folder_ + L"\\" + name_; }

 private:
  static constexpr const wchar_t* kAppDefaults = L"Software\\Wine\\AppDefaults";
  static constexpr const wchar_t* kModule = L"ombrel_resources.dll";
  std::wstring folder_;
  std::wstring name_;
  bool copied_ = false;
  bool set_ = false;
  bool madeParent_ = false;
};

// Sets an environment variable for the probes started while it lives.
class ProbeEnvironment {
 public:
  ProbeEnvironment(const wchar_t* name, const wchar_t* value) : name_(name) {
    SetEnvironmentVariableW(name, value);
  }
  ProbeEnvironment(const ProbeEnvironment&) = delete;
  ProbeEnvironment& operator=(const ProbeEnvironment&) = delete;
  ~ProbeEnvironment() { SetEnvironmentVariableW(name_, nullptr); }

 private:
  const wchar_t* name_;
};

}  // namespace

TEST_CASE("status on the stock XP value reads it and writes nothing") {
  Scene scene;
  Snapshot before = Snapshot::take();
  ProbeRun status = runProbe(L"/status");
  CHECK(status.code == 0);
  CHECK(status.text ==
        u"SharedSection: 1024,3072,512 (desktop heap 3072)\r\n"
        u"SessionViewSize: 48\r\n"
        u"Kept SessionViewSize: none (an undo writes 48)\r\n"
        u"Kept desktop heap: none (an undo writes 3072)\r\n"
        u"Change in force: no\r\n");
  CHECK(Snapshot::take() == before);
}

TEST_CASE("apply, status, undo: the registry byte for byte after each step") {
  Scene scene;
  Snapshot stock = Snapshot::take();
  REQUIRE(stock.windows == textValue(REG_EXPAND_SZ, vexo_test::kStockXpWindows));

  ProbeRun apply = runProbe(L"/apply");
  CHECK(apply.code == 0);
  CHECK(apply.text == scene.text(1012000) + u"\r\n");
  Snapshot applied = Snapshot::take();
  CHECK(applied.windows == textValue(REG_EXPAND_SZ, stockWith(u"SharedSection=1024,9216,512")));
  CHECK(applied.sessionViewSize == dwordValue(96));
  CHECK(applied.keptSessionViewSize == dwordValue(48));
  CHECK(applied.keptDesktopHeap == dwordValue(3072));
  CHECK(applied.done == dwordValue(1));

  ProbeRun status = runProbe(L"-Status");
  CHECK(status.code == 0);
  CHECK(status.text == support::kStatusAfterApply);
  CHECK(Snapshot::take() == applied);

  ProbeRun undo = runProbe(L"/UNDO");
  CHECK(undo.code == 0);
  CHECK(undo.text == scene.text(1013000) + u"\r\n");
  Snapshot undone = Snapshot::take();
  CHECK(undone.windows == stock.windows);
  CHECK(undone.sessionViewSize == stock.sessionViewSize);
  CHECK(undone.keptSessionViewSize == applied.keptSessionViewSize);
  CHECK(undone.keptDesktopHeap == applied.keptDesktopHeap);
  CHECK(undone.done == dwordValue(0));
}

TEST_CASE("apply twice is harmless: the second exits 0 and writes nothing") {
  Scene scene;
  REQUIRE(runProbe(L"/apply").code == 0);
  Snapshot applied = Snapshot::take();
  ProbeRun again = runProbe(L"/apply");
  CHECK(again.code == 0);
  CHECK(again.text == u"The change is already in force; nothing was written.\r\n");
  CHECK(Snapshot::take() == applied);
}

TEST_CASE("a read-only key gives the write-failed code and changes nothing") {
  Scene scene;
  Snapshot before = Snapshot::take();
  struct Case {
    const wchar_t* key;
    const char16_t* detail;
  };
  const Case cases[] = {
      {kSubSystemsW, u"Not written: Windows (status 0xc0000022)"},
      {kMemoryW, u"Not written: SessionViewSize (status 0xc0000022)"},
  };
  for (const Case& c : cases) {
    CAPTURE(narrow(c.detail));
    vexo_test::ReadOnlyKey readOnly(HKEY_LOCAL_MACHINE, c.key);
    REQUIRE(readOnly.applied());
    ProbeRun apply = runProbe(L"/apply");
    CAPTURE(narrow(apply.text));
    CHECK(apply.code == 5);
    CHECK(apply.text == scene.text(1016000) + u"\r\n" + c.detail + u"\r\n");
    CHECK(Snapshot::take() == before);
  }
}

TEST_CASE("status on read-only keys prints their values, as a user without rights reads them") {
  Scene scene;
  REQUIRE(runProbe(L"/apply").code == 0);
  Snapshot applied = Snapshot::take();
  vexo_test::ReadOnlyKey subSystems(HKEY_LOCAL_MACHINE, kSubSystemsW);
  vexo_test::ReadOnlyKey memory(HKEY_LOCAL_MACHINE, kMemoryW);
  REQUIRE(subSystems.applied());
  REQUIRE(memory.applied());
  ProbeRun status = runProbe(L"/status");
  CHECK(status.code == 0);
  CHECK(status.text == support::kStatusAfterApply);
  CHECK(Snapshot::take() == applied);
}

TEST_CASE("on Windows Vista apply and status give the unsupported code and write nothing") {
  Scene scene;
  VersionedProbe vista(L"vista");
  REQUIRE(vista.ready());
  Snapshot before = Snapshot::take();
  ProbeRun apply = runProbe(vista.path(), L"/apply");
  CHECK(apply.code == 2);
  CHECK(apply.text ==
        u"This Operating System is currently not supported by this Application. We are sorry "
        u"for the inconvenience.\r\n");
  ProbeRun status = runProbe(vista.path(), L"/status");
  CHECK(status.code == 2);
  CHECK(hasLine(status.text, u"SharedSection: 1024,3072,512 (desktop heap 3072)"));
  CHECK(Snapshot::take() == before);
}

TEST_CASE("a bad argument prints the usage and its code, and writes nothing") {
  Scene scene;
  Snapshot before = Snapshot::take();
  for (const wchar_t* arguments : {L"/frobnicate", L"status", L"/apply /undo"}) {
    ProbeRun run = runProbe(arguments);
    CAPTURE(narrow(run.text));
    CHECK(run.code == 1);
    CHECK(run.text.find(u"Usage: VexoOmbrel.exe /status | /apply | /undo | /?") !=
          std::u16string::npos);
  }
  CHECK(Snapshot::take() == before);
  // The application object records who it is at every start; the tool's own section stays
  // untouched.
  CHECK_FALSE(scene.area.section(u"MainWindow\\View")->isOpen());
  ProbeRun usage = runProbe(L"/?");
  CHECK(usage.code == 0);
  CHECK(usage.text.find(u"Usage: VexoOmbrel.exe") == 0);
}

TEST_CASE("the message comes in the chosen language, through the pipe as UTF-8") {
  Scene scene;
  scene.chooseLanguage(u"Russian");
  ProbeRun apply = runProbe(L"/apply");
  CHECK(apply.code == 0);
  CHECK(apply.text == scene.text(1012000, u"Russian") + u"\r\n");
  CHECK(apply.text.find(u"Операция") == 0);
}

TEST_CASE("while another copy holds the lock, apply gives up after its wait and writes nothing") {
  Scene scene;
  Snapshot before = Snapshot::take();
  HANDLE held = CreateMutexW(nullptr, TRUE, wide(app::kChangeLockName));
  REQUIRE(held != nullptr);
  ProbeEnvironment wait(vexo_test::kProbeLockWaitVariable, L"300");
  ProbeRun apply = runProbe(L"/apply");
  ReleaseMutex(held);
  CloseHandle(held);
  CHECK(apply.code == 7);
  CHECK(apply.text.find(u"Another copy of the program is applying or undoing the change") == 0);
  CHECK(Snapshot::take() == before);
  // Released: the next copy gets it.
  CHECK(runProbe(L"/apply").code == 0);
}

// A console of this test's own, made for the probe to find as its parent's; the test's own
// standard handles are put back afterwards so that its report still reaches ctest.
class OwnConsole {
 public:
  OwnConsole() {
    FreeConsole();
    if (!AllocConsole()) return;
    screen_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  OwnConsole(const OwnConsole&) = delete;
  OwnConsole& operator=(const OwnConsole&) = delete;
  ~OwnConsole() {
    if (screen_ != INVALID_HANDLE_VALUE) CloseHandle(screen_);
    FreeConsole();
    SetStdHandle(STD_INPUT_HANDLE, input_);
    SetStdHandle(STD_OUTPUT_HANDLE, output_);
    SetStdHandle(STD_ERROR_HANDLE, error_);
  }
  bool ready() const { return screen_ != INVALID_HANDLE_VALUE; }
  // The screen's lines up to the cursor, trailing blanks cut.
  std::u16string text() const {
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    if (!GetConsoleScreenBufferInfo(screen_, &info)) return u"";
    std::wstring line(info.dwSize.X, L' ');
    std::u16string screen;
    for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
      DWORD read = 0;
      ReadConsoleOutputCharacterW(screen_, &line[0], info.dwSize.X, COORD{0, row}, &read);
      std::wstring kept = line.substr(0, line.find_last_not_of(L' ') + 1);
      screen.append(kept.begin(), kept.end());
      screen += u"\n";
    }
    return screen;
  }

 private:
  HANDLE input_ = GetStdHandle(STD_INPUT_HANDLE);
  HANDLE output_ = GetStdHandle(STD_OUTPUT_HANDLE);
  HANDLE error_ = GetStdHandle(STD_ERROR_HANDLE);
  HANDLE screen_ = INVALID_HANDLE_VALUE;
};

TEST_CASE("started from a console without redirection, the text appears on that console") {
  // Whether the GUI program is handed the console's standard handles depends on the system;
  // without them it attaches to the console of the process that started it.
  for (bool handedHandles : {false, true}) {
    CAPTURE(handedHandles);
    Scene scene;
    scene.chooseLanguage(u"Russian");
    OwnConsole console;
    REQUIRE(console.ready());
    std::wstring exe = probePath();
    std::wstring commandLine = L"\"" + exe + L"\" /apply";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!handedHandles) startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process = {};
    REQUIRE(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process));
    CHECK(WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CHECK(code == 0);
    // Cyrillic on the screen as it is: the console got UTF-16, not UTF-8 bytes.
    std::u16string message = scene.text(1012000, u"Russian");
    std::u16string firstLine = message.substr(0, message.find(u'\r'));
    std::u16string screen = console.text();
    CAPTURE(narrow(screen));
    CHECK(screen.find(firstLine + u"\n") != std::u16string::npos);
  }
}
