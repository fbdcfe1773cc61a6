// The command-line modes on the host machine, their text captured: what a script sees and what
// reaches the registry.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "app/HeapChange.h"
#include "app/cli/RunCommandLine.h"
#include "app/host/HostChangeLock.h"
#include "s/lang/Lang.h"
#include "s/process/commandline/CommandLine.h"
#include "s/reg/MappedData.h"
#include "s/thread/Pool.h"
#include "support/LangDocument.h"
#include "support/StatusReports.h"
#include "support/host/HeapMachine.h"

using s::base::Owned;

namespace {

class CapturedOutput final : public app::cli::IOutput {
 public:
  using IOutput::write;
  void write(const char16_t* units, std::uint32_t count) override { text.append(units, count); }
  std::u16string text;
};

std::string narrow(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) bytes += unit < 0x80 ? static_cast<char>(unit) : '?';
  return bytes;
}

struct Run {
  int code = -1;
  std::u16string text;
};

// The machine, the program's store and its languages, English current.
struct Program : vexo_test::Machine {
  Program() { s::lang::selectLanguage(*localizer, u"English"); }
  ~Program() { app::host::setChangeLockHeldElsewhere(false); }
  Run run(std::initializer_list<const char16_t*> arguments) {
    std::vector<const char16_t*> list(arguments);
    CapturedOutput out;
    Run result;
    result.code = app::cli::runCommandLine(list.data(), static_cast<std::uint32_t>(list.size()),
                                           *store, *localizer, out);
    result.text = out.text;
    return result;
  }
  std::u16string text(std::int32_t entry) { return s::lang::textOf(*localizer, entry); }
  Owned<s::reg::MappedData> store =
      s::reg::OpenRegistryStore(u"Software\\Vexo\\Vexo Ombrel\\SaveData");
  Owned<s::lang::Localizer> localizer =
      s::lang::createLocalizerFromUtf8(support::langDocumentBytes(), support::langDocumentSize());
};

bool hasLine(const std::u16string& text, const std::u16string& line) {
  return (u"\r\n" + text).find(u"\r\n" + line + u"\r\n") != std::u16string::npos;
}

}  // namespace

TEST_CASE("status reads the stock XP machine and changes nothing") {
  Program program;
  std::u16string before = program.registry.dump();
  Run status = program.run({u"/status"});
  CHECK(status.code == 0);
  CHECK(status.text ==
        u"SharedSection: 1024,3072,512 (desktop heap 3072)\r\n"
        u"SessionViewSize: 48 (not set: the system's default)\r\n"
        u"Kept SessionViewSize: none (an undo writes 48)\r\n"
        u"Kept desktop heap: none (an undo writes 3072)\r\n"
        u"Change in force: no\r\n");
  CHECK(program.registry.dump() == before);
}

TEST_CASE("apply, status, undo, status: the script's view of one round") {
  Program program;
  Run apply = program.run({u"/apply"});
  CHECK(apply.code == 0);
  CHECK(apply.text == program.text(1012000) + u"\r\n");
  Run status = program.run({u"-STATUS"});
  CHECK(status.code == 0);
  CHECK(status.text == support::kStatusAfterApply);

  Run again = program.run({u"/Apply"});
  CHECK(again.code == 0);
  CHECK(again.text == u"The change is already in force; nothing was written.\r\n");

  Run undo = program.run({u"/undo"});
  CHECK(undo.code == 0);
  CHECK(undo.text == program.text(1013000) + u"\r\n");
  status = program.run({u"/status"});
  CHECK(hasLine(status.text, u"SharedSection: 1024,3072,512 (desktop heap 3072)"));
  CHECK(hasLine(status.text, u"SessionViewSize: 48"));
  CHECK(hasLine(status.text, u"Change in force: no"));
  CHECK(program.run({u"/undo"}).code == 0);
}

TEST_CASE("status shows a user without administrator rights the values he may read") {
  Program program;
  const std::uint8_t ninetySix[4] = {96, 0, 0, 0};
  program.seedSessionViewSize(s::reg::kRegDword, ninetySix, 4);
  program.registry.setKeyDenied(vexo_test::kSubSystems, true);
  program.registry.setKeyDenied(vexo_test::kMemory, true);
  std::u16string before = program.registry.dump();
  Run status = program.run({u"/status"});
  CHECK(status.code == 0);
  CHECK(status.text ==
        u"SharedSection: 1024,3072,512 (desktop heap 3072)\r\n"
        u"SessionViewSize: 96\r\n"
        u"Kept SessionViewSize: none (an undo writes 48)\r\n"
        u"Kept desktop heap: none (an undo writes 3072)\r\n"
        u"Change in force: no\r\n");
  CHECK(program.registry.dump() == before);
}

TEST_CASE("status says what it cannot read, and why") {
  struct Case {
    const char* what;
    void (*arrange)(Program&);
    const char16_t* line;
    int code;
  };
  const Case cases[] = {
      {"Windows a number", [](Program& p) { p.seedWindows(s::reg::kRegDword, u"x"); },
       u"SharedSection: unknown (no Windows value of a text type)", 0},
      {"no clause of three numbers",
       [](Program& p) { p.seedWindows(s::reg::kRegSz, u"SharedSection=1,2 x"); },
       u"SharedSection: unknown (the Windows value has no SharedSection clause of three numbers)",
       0},
      {"SessionViewSize of 8 bytes",
       [](Program& p) {
         const std::uint8_t eight[8] = {64};
         p.seedSessionViewSize(s::reg::kRegBinary, eight, 8);
       },
       u"SessionViewSize: 48 (stored in 8 bytes, not 4: read as the default)", 0},
      {"Windows Vista",
       [](Program&) { s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(6, 0)); },
       app::kNotSupportedText, 2},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    Program program;
    c.arrange(program);
    std::u16string before = program.registry.dump();
    Run status = program.run({u"/status"});
    CAPTURE(narrow(status.text));
    CHECK(status.code == c.code);
    CHECK(hasLine(status.text, c.line));
    CHECK(program.registry.dump() == before);
  }
}

TEST_CASE("a failed apply answers its own exit code and message and writes nothing") {
  struct Case {
    const char* what;
    void (*arrange)(Program&);
    int code;
    std::int32_t entry;  // 0: the English text in `text`
    const char16_t* text;
  };
  const Case cases[] = {
      {"no administrator", [](Program& p) { p.registry.setDenyWrites(true); }, 5, 1016000,
       u"Not written: Windows (status 0xc0000022)"},
      {"Memory Management read-only",
       [](Program& p) { p.registry.setKeyDenied(vexo_test::kMemory, true); }, 5, 1016000,
       u"Not written: SessionViewSize (status 0xc0000022)"},
      {"unusable Windows value",
       [](Program& p) { p.seedWindows(s::reg::kRegExpandSz, u"SharedSection=1024,3072,512k"); }, 4,
       1015000, nullptr},
      {"Windows value with data after its terminator",
       [](Program&) {
         const std::u16string stored = std::u16string(vexo_test::kStockXp) + u'\0' + u"more";
         REQUIRE(s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath)
                     ->setValue(u"Windows", s::reg::kRegExpandSz, stored.data(),
                                static_cast<std::uint32_t>(2 * stored.size())) ==
                 s::reg::NtStatus::kSuccess);
       },
       4, 1015000, nullptr},
      {"480 MiB", [](Program&) { s::system::os::host::setTotalPhysicalMemory(503316480ull); }, 3,
       1014000, nullptr},
      {"Windows 2000",
       [](Program&) { s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(5, 0)); },
       2, 0, app::kNotSupportedText},
      {"another copy busy", [](Program&) { app::host::setChangeLockHeldElsewhere(true); }, 7, 0,
       u"Another copy of the program is applying or undoing the change; nothing was written. "
       u"Try again in a moment."},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    Program program;
    c.arrange(program);
    std::u16string before = program.registry.dump();
    Run apply = program.run({u"/apply"});
    CAPTURE(narrow(apply.text));
    CHECK(apply.code == c.code);
    if (c.entry != 0) CHECK(apply.text.find(program.text(c.entry) + u"\r\n") == 0);
    if (c.text != nullptr) CHECK(hasLine(apply.text, c.text));
    CHECK(program.registry.dump() == before);
  }
}

TEST_CASE("a write that could not be put back has a code of its own") {
  Program program;
  const std::uint32_t old = 40;
  program.seedSessionViewSize(s::reg::kRegDword, &old, 4);
  program.registry.tamperValueWrite(vexo_test::kMemory, u"SessionViewSize", 2);
  Run apply = program.run({u"/apply"});
  CHECK(apply.code == 6);
  CHECK(hasLine(apply.text, u"Not written: SessionViewSize (it did not read back as written)"));
  CHECK_FALSE(app::isHeapChangeInForce(*program.store));
}

TEST_CASE("a bad argument prints the usage, exits 1 and writes nothing") {
  struct Case {
    std::vector<const char16_t*> arguments;
    const char16_t* firstLine;
  };
  const Case cases[] = {
      {{u"/frobnicate"}, u"Unknown argument: /frobnicate"},
      {{u"apply"}, u"Unknown argument: apply"},
      {{u"/apply", u"/undo"}, u"Give one argument only."},
      {{}, u"No argument given."},
  };
  for (const Case& c : cases) {
    CAPTURE(narrow(c.firstLine));
    Program program;
    std::u16string before = program.registry.dump();
    CapturedOutput out;
    int code =
        app::cli::runCommandLine(c.arguments.data(), static_cast<std::uint32_t>(c.arguments.size()),
                                 *program.store, *program.localizer, out);
    CHECK(code == 1);
    CHECK(out.text.find(std::u16string(c.firstLine) + u"\r\nUsage: VexoOmbrel.exe") == 0);
    CHECK(program.registry.dump() == before);
  }
  Program program;
  Run usage = program.run({u"-?"});
  CHECK(usage.code == 0);
  CHECK(usage.text.find(u"Usage: VexoOmbrel.exe /status | /apply | /undo | /?\r\n") == 0);
}

TEST_CASE("messages come in the current language, the numbers' labels in English") {
  Program program;
  s::lang::selectLanguage(*program.localizer, u"German");
  Run apply = program.run({u"/apply"});
  CHECK(apply.code == 0);
  CHECK(apply.text.find(u"Vorgang erfolgreich abgeschlossen!\r\n") == 0);
  CHECK(hasLine(program.run({u"/status"}).text, u"Change in force: yes"));
}

TEST_CASE("the arguments as the program's command line keeps them choose the mode") {
  struct Case {
    const char16_t* commandLine;
    int code;
    const char16_t* start;
  };
  const Case cases[] = {
      {u"\"C:\\Program Files\\VexoOmbrel.exe\" /STATUS", 0, u"SharedSection: 1024,3072,512"},
      {u"VexoOmbrel.exe -?", 0, u"Usage: "},
      {u"VexoOmbrel.exe \"/status\" extra", 1, u"Give one argument only."},
      {u"VexoOmbrel.exe status", 1, u"Unknown argument: status"},
  };
  for (const Case& c : cases) {
    CAPTURE(narrow(c.commandLine));
    Program program;
    auto commandLine = s::thread::obtain<s::process::commandline::win::CommandLine>();
    commandLine->parse(c.commandLine);
    CapturedOutput out;
    CHECK(app::cli::runCommandLine(*commandLine, *program.store, *program.localizer, out) ==
          c.code);
    CHECK(out.text.find(c.start) == 0);
  }
}
