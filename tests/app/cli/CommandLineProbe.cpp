// The command-line modes in a process of their own, as start-up runs them: a GUI program with
// no console of its own, the program's languages (the stored "Language" chooses, as at start),
// and a settings store of the tests' own. Its exit code is runCommandLine's.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cwchar>
#include <vector>

#include "app/cli/RunCommandLine.h"
#include "app/win/ConsoleOutput.h"
#include "s/lang/Lang.h"
#include "s/reg/MappedData.h"
#include "support/LangDocument.h"
#include "support/win/CommandLineProbe.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) return 100;
  std::vector<const char16_t*> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(reinterpret_cast<const char16_t*>(argv[i]));

  s::base::Owned<s::reg::MappedData> store = s::reg::OpenRegistryStore(vexo_test::kProbeStorePath);
  s::base::Owned<s::lang::Localizer> localizer =
      s::lang::createLocalizerFromUtf8(support::langDocumentBytes(), support::langDocumentSize());
  const char16_t* language = store->hasValue(u"Language", u"")
                                 ? store->getString(u"Language", u"", u"", nullptr, false)
                                 : nullptr;
  (void)s::lang::applyStoredLanguage(*localizer, language);

  std::uint32_t lockWaitMs = app::kChangeLockWaitMs;
  wchar_t wait[16] = {};
  if (GetEnvironmentVariableW(vexo_test::kProbeLockWaitVariable, wait, 16) > 0) {
    lockWaitMs = static_cast<std::uint32_t>(std::wcstoul(wait, nullptr, 10));
  }

  int code = 0;
  {
    app::win::ConsoleOutput out;
    code = app::cli::runCommandLine(arguments.data(), static_cast<std::uint32_t>(arguments.size()),
                                    *store, *localizer, out, lockWaitMs);
  }
  LocalFree(argv);
  return code;
}
