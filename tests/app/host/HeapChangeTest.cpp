// Apply and undo as the tool window's buttons and the command line run them: what reaches the
// local machine (the in-memory registry) and what the settings store records.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "app/HeapChange.h"
#include "app/host/HostChangeLock.h"
#include "s/lang/Lang.h"
#include "s/reg/MappedData.h"
#include "support/LangDocument.h"
#include "support/host/HeapMachine.h"

using app::HeapAction;
using app::HeapChangeReport;
using app::HeapChangeResult;
using app::HeapChangeStatus;
using s::base::Owned;

namespace {

constexpr const char16_t* kStorePath = u"Software\\Vexo\\Vexo Ombrel\\SaveData";

std::u16string viewKey() {
  return std::u16string(u"\\Registry\\User\\") + s::reg::host::MemoryRegistry::kUserSid + u"\\" +
         kStorePath + u"\\MainWindow\\View";
}

struct HeapValues {
  std::u16string windows;
  bool svsPresent = false;
  std::uint32_t svsType = 0;
  std::vector<std::uint8_t> svs;
};

bool operator==(const HeapValues& a, const HeapValues& b) {
  return a.windows == b.windows && a.svsPresent == b.svsPresent && a.svsType == b.svsType &&
         a.svs == b.svs;
}

// The machine plus the program's settings store, with no other copy holding the lock.
struct Tool : vexo_test::Machine {
  Tool() {
    const std::uint32_t stock = 48;
    seedSessionViewSize(s::reg::kRegDword, &stock, 4);
  }
  ~Tool() { app::host::setChangeLockHeldElsewhere(false); }
  HeapValues heap() {
    HeapValues values;
    values.windows = windows();
    values.svsPresent = sessionViewSize(&values.svsType, &values.svs);
    return values;
  }
  std::int32_t kept(const char16_t* name) {
    return store->hasValue(app::kHeapChangeSection, name)
               ? store->getInt32(app::kHeapChangeSection, name, 0)
               : -1;
  }
  HeapChangeReport run(HeapAction action) {
    return action == HeapAction::kApply ? app::applyHeapChange(*store)
                                        : app::undoHeapChange(*store);
  }
  Owned<s::reg::MappedData> store = s::reg::OpenRegistryStore(kStorePath);
};

std::u16string stockWith(const char16_t* clause) {
  std::u16string value = vexo_test::kStockXp;
  value.replace(value.find(u"SharedSection=1024,3072,512"), 27, clause);
  return value;
}

}  // namespace

TEST_CASE("apply keeps the values found before; undo puts them back exactly") {
  struct Case {
    const char* what;
    const char16_t* clause;
    bool svsPresent;
    std::uint32_t svs;
    std::int32_t keptSvs, keptHeap;
  };
  const Case cases[] = {
      {"stock XP", u"SharedSection=1024,3072,512", true, 48, 48, 3072},
      {"tuned before", u"SharedSection=1024,4096,768", true, 64, 64, 4096},
      // Windows reads a missing value as 48, and so do we; the undo then writes it.
      {"no SessionViewSize", u"SharedSection=1024,3072,512", false, 0, 48, 3072},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    Tool tool;
    tool.seedWindows(s::reg::kRegExpandSz, stockWith(c.clause).c_str());
    auto memory = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kMemoryManagementPath);
    if (c.svsPresent) {
      tool.seedSessionViewSize(s::reg::kRegDword, &c.svs, 4);
    } else {
      REQUIRE(memory->deleteValue(u"SessionViewSize") == s::reg::NtStatus::kSuccess);
    }
    HeapValues before = tool.heap();

    HeapChangeReport applied = tool.run(HeapAction::kApply);
    CHECK(applied.status == HeapChangeStatus::kDone);
    CHECK(app::heapChangeMessageEntry(applied) == 1012000);
    CHECK(tool.windows().find(u"SharedSection=1024,9216,") != std::u16string::npos);
    CHECK(memory->getInt32(u"SessionViewSize", 0) == 96);
    CHECK(tool.kept(u"OriginalSessionViewSize") == c.keptSvs);
    CHECK(tool.kept(u"OriginalDesktopHeap") == c.keptHeap);
    CHECK(app::isHeapChangeInForce(*tool.store));

    HeapChangeReport undone = tool.run(HeapAction::kUndo);
    CHECK(undone.status == HeapChangeStatus::kDone);
    CHECK(app::heapChangeMessageEntry(undone) == 1013000);
    CHECK(undone.sessionViewSize == c.keptSvs);
    CHECK(undone.desktopHeap == c.keptHeap);
    HeapValues after = tool.heap();
    if (c.svsPresent) {
      CHECK(after == before);
    } else {
      CHECK(after.windows == before.windows);
      CHECK(after.svsType == s::reg::kRegDword);
      CHECK(after.svs == std::vector<std::uint8_t>{48, 0, 0, 0});
    }
    CHECK_FALSE(app::isHeapChangeInForce(*tool.store));
  }
}

TEST_CASE("a failed apply or undo writes nothing anywhere and keeps the in-force state") {
  struct Case {
    const char* what;
    void (*arrange)(Tool&);
    HeapChangeStatus status;
    HeapChangeResult result;  // when the status is kFailed
    std::int32_t entry;
    // Denying every write here also hides the settings store, which only the machine's keys
    // can do for real; an undo would then read the change as not in force.
    bool applyOnly = false;
  };
  const Case cases[] = {
      {"no administrator: the machine's keys are read-only",
       [](Tool& tool) {
         tool.registry.setKeyDenied(vexo_test::kSubSystems, true);
         tool.registry.setKeyDenied(vexo_test::kMemory, true);
       },
       HeapChangeStatus::kFailed, HeapChangeResult::kWriteFailed, 1016000},
      {"every write denied", [](Tool& tool) { tool.registry.setDenyWrites(true); },
       HeapChangeStatus::kFailed, HeapChangeResult::kWriteFailed, 1016000, true},
      {"only Memory Management read-only",
       [](Tool& tool) { tool.registry.setKeyDenied(vexo_test::kMemory, true); },
       HeapChangeStatus::kFailed, HeapChangeResult::kWriteFailed, 1016000},
      {"a Windows value without a usable clause",
       [](Tool& tool) { tool.seedWindows(s::reg::kRegExpandSz, u"SharedSection=1024,3072 x"); },
       HeapChangeStatus::kFailed, HeapChangeResult::kNoUsableSharedSection, 1015000},
      {"a Windows value with data after its terminator",
       [](Tool&) {
         const std::u16string stored = std::u16string(vexo_test::kStockXp) + u'\0' + u"more";
         REQUIRE(s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath)
                     ->setValue(u"Windows", s::reg::kRegExpandSz, stored.data(),
                                static_cast<std::uint32_t>(2 * stored.size())) ==
                 s::reg::NtStatus::kSuccess);
       },
       HeapChangeStatus::kFailed, HeapChangeResult::kWindowsValueHasExtraData, 1015000},
      {"a Windows value that is no text",
       [](Tool& tool) { tool.seedWindows(s::reg::kRegBinary, u"SharedSection=1,2,3"); },
       HeapChangeStatus::kFailed, HeapChangeResult::kWindowsValueUnreadable, 1015000},
      {"480 MiB of memory",
       [](Tool&) { s::system::os::host::setTotalPhysicalMemory(503316480ull); },
       HeapChangeStatus::kFailed, HeapChangeResult::kNotEnoughMemory, 1014000},
      {"Windows Vista",
       [](Tool&) { s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(6, 0)); },
       HeapChangeStatus::kFailed, HeapChangeResult::kUnsupportedOs, 0},
      {"another copy holds the lock", [](Tool&) { app::host::setChangeLockHeldElsewhere(true); },
       HeapChangeStatus::kBusy, HeapChangeResult::kChanged, 0},
  };
  for (HeapAction action : {HeapAction::kApply, HeapAction::kUndo}) {
    for (const Case& c : cases) {
      if (c.applyOnly && action == HeapAction::kUndo) continue;
      CAPTURE(std::string(c.what));
      CAPTURE(action == HeapAction::kApply ? "apply" : "undo");
      Tool tool;
      if (action == HeapAction::kUndo) REQUIRE(tool.run(HeapAction::kApply).succeeded());
      c.arrange(tool);
      std::u16string before = tool.registry.dump();
      HeapChangeReport report = tool.run(action);
      CHECK(report.status == c.status);
      if (c.status == HeapChangeStatus::kFailed) CHECK(report.outcome.result == c.result);
      CHECK_FALSE(report.succeeded());
      CHECK(app::heapChangeMessageEntry(report) == c.entry);
      CHECK(tool.registry.dump() == before);
      tool.registry.setDenyWrites(false);
      CHECK(app::isHeapChangeInForce(*tool.store) == (action == HeapAction::kUndo));
    }
  }
}

TEST_CASE("undo without kept values writes 48 and 3072") {
  Tool tool;
  tool.seedWindows(s::reg::kRegExpandSz, stockWith(u"SharedSection=1024,9216,512").c_str());
  const std::uint32_t applied = 96;
  tool.seedSessionViewSize(s::reg::kRegDword, &applied, 4);
  tool.store->setBool(app::kHeapChangeSection, u"OperationDone", true);

  HeapChangeReport report = tool.run(HeapAction::kUndo);
  CHECK(report.status == HeapChangeStatus::kDone);
  CHECK(report.sessionViewSize == 48);
  CHECK(report.desktopHeap == 3072);
  CHECK(tool.windows() == stockWith(u"SharedSection=1024,3072,512") + u'\0');
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  REQUIRE(tool.sessionViewSize(&type, &data));
  CHECK(data == std::vector<std::uint8_t>{48, 0, 0, 0});
}

TEST_CASE("asking for the state already in force writes nothing and keeps the first values") {
  Tool tool;
  std::u16string fresh = tool.registry.dump();
  HeapChangeReport undone = tool.run(HeapAction::kUndo);
  CHECK(undone.status == HeapChangeStatus::kAlreadyInState);
  CHECK(undone.succeeded());
  CHECK(tool.registry.dump() == fresh);

  REQUIRE(tool.run(HeapAction::kApply).status == HeapChangeStatus::kDone);
  std::u16string applied = tool.registry.dump();
  HeapChangeReport again = tool.run(HeapAction::kApply);
  CHECK(again.status == HeapChangeStatus::kAlreadyInState);
  CHECK(app::heapChangeMessageEntry(again) == 0);
  CHECK(tool.registry.dump() == applied);
  // A second real apply would have kept 96 and 9216, and the undo could never go back.
  CHECK(tool.kept(u"OriginalSessionViewSize") == 48);
  CHECK(tool.kept(u"OriginalDesktopHeap") == 3072);
}

TEST_CASE("a change the settings store cannot record is taken back") {
  struct Case {
    HeapAction action;
    const char16_t* unwritable;
  };
  const Case cases[] = {
      {HeapAction::kApply, u"OriginalSessionViewSize"},
      {HeapAction::kApply, u"OriginalDesktopHeap"},
      {HeapAction::kApply, u"OperationDone"},
      {HeapAction::kUndo, u"OperationDone"},
  };
  for (const Case& c : cases) {
    CAPTURE(
        std::string(c.unwritable, c.unwritable + std::char_traits<char16_t>::length(c.unwritable)));
    Tool tool;
    if (c.action == HeapAction::kUndo) REQUIRE(tool.run(HeapAction::kApply).succeeded());
    HeapValues before = tool.heap();
    tool.registry.failValueWrite(viewKey().c_str(), c.unwritable, s::reg::NtStatus::kAccessDenied);
    HeapChangeReport report = tool.run(c.action);
    CHECK(report.status == HeapChangeStatus::kFailed);
    CHECK(report.outcome.result == HeapChangeResult::kWriteFailed);
    CHECK(std::u16string(report.outcome.failedValue) == c.unwritable);
    CHECK(report.outcome.restored);
    CHECK(app::heapChangeMessageEntry(report) == 1016000);
    CHECK(tool.heap() == before);
    CHECK(app::isHeapChangeInForce(*tool.store) == (c.action == HeapAction::kUndo));
  }
}

TEST_CASE("the answer to a report is the current language's text, English where none exists") {
  Owned<s::lang::Localizer> localizer =
      s::lang::createLocalizerFromUtf8(support::langDocumentBytes(), support::langDocumentSize());
  s::lang::selectLanguage(*localizer, u"German");
  HeapChangeReport report;
  report.status = HeapChangeStatus::kDone;
  CHECK(
      std::u16string(app::heapChangeMessageText(*localizer, report)).find(u"Vorgang erfolgreich") ==
      0);

  report.status = HeapChangeStatus::kFailed;
  report.outcome.result = HeapChangeResult::kUnsupportedOs;
  CHECK(std::u16string(app::heapChangeMessageText(*localizer, report)) ==
        u"This Operating System is currently not supported by this Application. We are sorry "
        u"for the inconvenience.");

  // A pack that lacks the not-put-back text says at least that the write failed.
  report.outcome.result = HeapChangeResult::kWriteFailed;
  report.outcome.restored = false;
  CHECK(app::heapChangeMessageEntry(report) == 1017000);
  Owned<s::lang::Localizer> without = s::lang::createLocalizerFromText(
      u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages><entries>"
      u"<entry id=\"1016000\"><eng>not written</eng></entry></entries></lang>");
  CHECK(std::u16string(app::heapChangeMessageText(*without, report)) == u"not written");
  Owned<s::lang::Localizer> with = s::lang::createLocalizerFromText(
      u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages><entries>"
      u"<entry id=\"1016000\"><eng>not written</eng></entry>"
      u"<entry id=\"1017000\"><eng>half written</eng></entry></entries></lang>");
  CHECK(std::u16string(app::heapChangeMessageText(*with, report)) == u"half written");
}
