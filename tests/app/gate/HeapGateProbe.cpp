// One process of the gate tests: Wine reports the Windows version chosen for this program's
// name. Usage: heap_gate_probe_<version>.exe MAJOR MINOR changed|unsupported
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/HeapEditor.h"
#include "s/system/os/StaticObj.h"
#include "support/win/HeapRegistryState.h"

namespace {

int failures = 0;

void expect(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  if (!ok) ++failures;
}

std::u16string readWindows() {
  auto key = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath);
  return key->getString(app::kWindowsValue, u"<absent>", nullptr, false);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::printf("usage: %s MAJOR MINOR changed|unsupported\n", argv[0]);
    return 2;
  }
  const int major = std::atoi(argv[1]);
  const int minor = std::atoi(argv[2]);
  const bool changes = std::strcmp(argv[3], "changed") == 0;

  s::system::os::win::StaticObj os;
  std::printf("version %d.%d build %d, NT %d, XP+ %d, Vista+ %d, 7+ %d, WOW64 %d\n",
              os.majorVersion, os.minorVersion, os.buildNumber, os.isNt, os.isXpOrLater,
              os.isVistaOrLater, os.isWin7OrLater, os.isWow64);
  expect(os.isNt && os.majorVersion == major && os.minorVersion == minor, "the chosen version");
  expect(s::system::os::win::IsSupportedOs() == changes, "IsSupportedOs");
  {
    vexo_test::HeapRegistryState state;
    expect(state.seeded(), "the stock XP value is seeded");
    auto memory = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kMemoryManagementPath);
    std::u16string before = readWindows();
    std::int32_t svs = -1, heap = -1;
    app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
    if (changes) {
      expect(outcome.changed(), "the change is made");
      expect(heap == 3072 && svs == 48, "the old values are handed back");
      expect(readWindows().find(u"SharedSection=1024,9216,512") != std::u16string::npos,
             "the clause is rewritten");
      expect(memory->getInt32(app::kSessionViewSizeValue, 0) == 96, "SessionViewSize is 96");
    } else {
      expect(outcome.result == app::HeapChangeResult::kUnsupportedOs, "the system gate stops it");
      expect(heap == -1 && svs == -1, "the out-parameters are untouched");
      expect(readWindows() == before, "Windows is unchanged");
      expect(memory->valueSize(app::kSessionViewSizeValue) == 0, "SessionViewSize stays absent");
    }
  }
  std::printf("%d failure(s)\n", failures);
  return failures == 0 ? 0 : 1;
}
