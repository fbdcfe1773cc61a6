// The whole heap change on the host: the in-memory registry plays the local machine and the
// platform stand-in plays the operating system and its memory.
#include <doctest/doctest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/HeapEditor.h"
#include "s/reg/RegDir.h"
#include "s/reg/host/MemoryRegistry.h"
#include "s/system/os/StaticObj.h"
#include "s/system/os/host/HostPlatform.h"
#include "support/host/HeapMachine.h"

using app::HeapChangeResult;
using s::reg::NtStatus;
using s::reg::host::MemoryRegistry;
using vexo_test::kMemory;
using vexo_test::kStockXp;
using vexo_test::kSubSystems;
using vexo_test::Machine;

namespace {

std::u16string withNul(const std::u16string& text) { return text + u'\0'; }

std::u16string stockWith(const char16_t* clause) {
  std::u16string value = kStockXp;
  value.replace(value.find(u"SharedSection=1024,3072,512"), 27, clause);
  return value;
}

}  // namespace

TEST_CASE("the worked example: the change is made, the old values handed back, undo restores") {
  Machine machine;
  std::int32_t svs = 48, heap = 3072;
  app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
  CHECK(outcome.changed());
  CHECK(heap == 3072);
  CHECK(svs == 48);
  std::uint32_t type = 0;
  CHECK(machine.windows(&type) == withNul(stockWith(u"SharedSection=1024,9216,512")));
  CHECK(type == s::reg::kRegExpandSz);
  std::vector<std::uint8_t> data;
  REQUIRE(machine.sessionViewSize(&type, &data));
  CHECK(type == s::reg::kRegDword);
  CHECK(data == std::vector<std::uint8_t>{96, 0, 0, 0});

  std::int32_t scratch1 = 0, scratch2 = 0;
  CHECK(app::SetDesktopHeap(48, 3072, scratch1, scratch2).changed());
  CHECK(scratch1 == 96);
  CHECK(scratch2 == 9216);
  CHECK(machine.windows() == withNul(kStockXp));
  REQUIRE(machine.sessionViewSize(&type, &data));
  CHECK(type == s::reg::kRegDword);
  CHECK(data == std::vector<std::uint8_t>{48, 0, 0, 0});
  CHECK(machine.registry.openHandleCount() == 0);
}

TEST_CASE("the gates stop before any registry access and say which gate") {
  struct Case {
    const char* what;
    std::uint32_t platform, major, minor;
    std::uint64_t memory;
    bool memoryQueryFails;
    HeapChangeResult result;
  };
  const std::uint64_t mib480 = 503316480ull;
  const Case cases[] = {
      {"XP, 480 MiB + 1", 2, 5, 1, mib480 + 1, false, HeapChangeResult::kChanged},
      {"2003", 2, 5, 2, 1ull << 32, false, HeapChangeResult::kChanged},
      {"XP, exactly 480 MiB", 2, 5, 1, mib480, false, HeapChangeResult::kNotEnoughMemory},
      {"XP, memory unknown", 2, 5, 1, 1ull << 32, true, HeapChangeResult::kNotEnoughMemory},
      {"2000", 2, 5, 0, 1ull << 32, false, HeapChangeResult::kUnsupportedOs},
      {"Vista", 2, 6, 0, 1ull << 32, false, HeapChangeResult::kUnsupportedOs},
      {"7", 2, 6, 1, 1ull << 32, false, HeapChangeResult::kUnsupportedOs},
      {"XP numbers on a 9x platform", 1, 5, 1, 1ull << 32, false, HeapChangeResult::kUnsupportedOs},
      {"4.0", 2, 4, 0, 1ull << 32, false, HeapChangeResult::kUnsupportedOs},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    Machine machine;
    s::system::os::VersionFacts facts = s::system::os::host::ntVersion(c.major, c.minor);
    facts.platformId = c.platform;
    s::system::os::host::setVersionFacts(facts);
    s::system::os::host::setTotalPhysicalMemory(c.memory, c.memoryQueryFails);
    std::u16string before = machine.registry.dump();
    std::int32_t svs = -11, heap = -22;
    app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
    CHECK(outcome.result == c.result);
    if (c.result == HeapChangeResult::kChanged) {
      CHECK(heap == 3072);
      CHECK(svs == 48);
      CHECK(machine.windows() == withNul(stockWith(u"SharedSection=1024,9216,512")));
    } else {
      CHECK(svs == -11);
      CHECK(heap == -22);
      CHECK(machine.registry.dump() == before);
    }
  }
}

TEST_CASE("the version record reads the platform's answer") {
  Machine machine;
  s::system::os::VersionFacts facts = s::system::os::host::ntVersion(6, 1, 7601);
  facts.isWow64 = true;
  s::system::os::host::setVersionFacts(facts);
  s::system::os::win::StaticObj os;
  CHECK(os.isNt);
  CHECK(os.isXpOrLater);
  CHECK(os.isVistaOrLater);
  CHECK(os.isWin7OrLater);
  CHECK(os.majorVersion == 6);
  CHECK(os.minorVersion == 1);
  CHECK(os.buildNumber == 7601);
  CHECK(os.isWow64);
  CHECK(std::u16string(os.servicePack->text()) == u"Service Pack 3");

  s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(5, 0));
  s::system::os::win::StaticObj w2k;
  CHECK_FALSE(w2k.isXpOrLater);
  CHECK_FALSE(w2k.isVistaOrLater);
  CHECK_FALSE(s::system::os::win::IsSupportedOs());
}

TEST_CASE("a Windows value that cannot be used changes nothing and says why") {
  struct Case {
    const char* what;
    std::uint32_t type;  // 0: the value is absent
    const char16_t* text;
    HeapChangeResult result;
  };
  const Case cases[] = {
      {"absent", 0, u"", HeapChangeResult::kWindowsValueUnreadable},
      {"a number", s::reg::kRegDword, u"x", HeapChangeResult::kWindowsValueUnreadable},
      {"a list", s::reg::kRegMultiSz, u"SharedSection=1,2,3",
       HeapChangeResult::kWindowsValueUnreadable},
      {"empty", s::reg::kRegSz, u"", HeapChangeResult::kNoUsableSharedSection},
      {"no clause", s::reg::kRegExpandSz, u"Windows=On", HeapChangeResult::kNoUsableSharedSection},
      {"two numbers", s::reg::kRegExpandSz, u"SharedSection=1024,3072 Windows=On",
       HeapChangeResult::kNoUsableSharedSection},
      {"unit letter", s::reg::kRegExpandSz, u"SharedSection=1024,3072,512k",
       HeapChangeResult::kNoUsableSharedSection},
      {"empty list", s::reg::kRegExpandSz, u"SharedSection= Windows=On",
       HeapChangeResult::kNoUsableSharedSection},
      {"too large", s::reg::kRegExpandSz, u"SharedSection=1024,4294967296,512",
       HeapChangeResult::kNoUsableSharedSection},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    Machine machine;
    auto key = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath);
    REQUIRE(key->deleteValue(u"Windows") == NtStatus::kSuccess);
    if (c.type != 0) machine.seedWindows(c.type, c.text);
    std::u16string before = machine.registry.dump();
    std::int32_t svs = -11, heap = -22;
    CHECK(app::SetDesktopHeap(96, 9216, svs, heap).result == c.result);
    CHECK(svs == -11);
    CHECK(heap == -22);
    CHECK(machine.registry.dump() == before);
  }
}

TEST_CASE("a Windows value holding more bytes than its text is refused; a bare text is not") {
  const std::u16string stock = kStockXp;
  struct Case {
    const char* what;
    std::u16string data;
    std::uint32_t extraByte;  // 1: one stray byte after the units
    HeapChangeResult result;
  };
  const Case cases[] = {
      {"data after the terminator", stock + u'\0' + u"ServerDll=hidden,4" + u'\0', 0,
       HeapChangeResult::kWindowsValueHasExtraData},
      {"a second terminator", stock + u'\0' + u'\0', 0,
       HeapChangeResult::kWindowsValueHasExtraData},
      {"a stray byte after the text", stock, 1, HeapChangeResult::kWindowsValueHasExtraData},
      {"a stray byte after the terminator", stock + u'\0', 1,
       HeapChangeResult::kWindowsValueHasExtraData},
      {"no terminator", stock, 0, HeapChangeResult::kChanged},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    Machine machine;
    std::u16string padded = c.data + u'A';
    auto key = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath);
    REQUIRE(key->setValue(u"Windows", s::reg::kRegExpandSz, padded.data(),
                          static_cast<std::uint32_t>(2 * c.data.size() + c.extraByte)) ==
            NtStatus::kSuccess);
    std::u16string before = machine.registry.dump();
    std::int32_t svs = -11, heap = -22;
    CHECK(app::SetDesktopHeap(96, 9216, svs, heap).result == c.result);
    if (c.result == HeapChangeResult::kChanged) {
      CHECK(machine.windows() == withNul(stockWith(u"SharedSection=1024,9216,512")));
      CHECK(heap == 3072);
    } else {
      CHECK(machine.registry.dump() == before);
      CHECK(svs == -11);
      CHECK(heap == -22);
    }
  }
}

TEST_CASE("a REG_SZ Windows value is written back as REG_EXPAND_SZ") {
  Machine machine;
  machine.seedWindows(s::reg::kRegSz, u"x SHAREDSECTION=1,2,3");
  std::int32_t svs = 48, heap = 3072;
  CHECK(app::SetDesktopHeap(96, 9216, svs, heap).changed());
  std::uint32_t type = 0;
  CHECK(machine.windows(&type) == withNul(u"x SHAREDSECTION=1,9216,3"));
  CHECK(type == s::reg::kRegExpandSz);
  CHECK(heap == 2);
}

TEST_CASE("a SessionViewSize of another size than 4 reads as 48 and becomes a REG_DWORD") {
  Machine machine;
  const std::uint8_t eight[8] = {64, 0, 0, 0, 0, 0, 0, 0};
  machine.seedSessionViewSize(s::reg::kRegBinary, eight, 8);
  std::int32_t svs = 0, heap = 0;
  CHECK(app::SetDesktopHeap(96, 9216, svs, heap).changed());
  CHECK(svs == 48);
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  REQUIRE(machine.sessionViewSize(&type, &data));
  CHECK(type == s::reg::kRegDword);
  CHECK(data == std::vector<std::uint8_t>{96, 0, 0, 0});

  const std::uint32_t existing = 64;
  machine.seedSessionViewSize(s::reg::kRegBinary, &existing, 4);  // any type of 4 bytes counts
  CHECK(app::SetDesktopHeap(96, 9216, svs, heap).changed());
  CHECK(svs == 64);
}

TEST_CASE("without write access nothing changes and the outcome names the failed write") {
  SUBCASE("Memory Management read-only: its write fails first") {
    Machine machine;
    machine.registry.setKeyDenied(kMemory, true);
    std::u16string before = machine.registry.dump();
    std::int32_t svs = -1, heap = -1;
    app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
    CHECK(outcome.result == HeapChangeResult::kWriteFailed);
    CHECK(std::u16string(outcome.failedValue) == u"SessionViewSize");
    CHECK(outcome.status == NtStatus::kAccessDenied);
    CHECK(outcome.restored);
    CHECK(heap == 3072);  // both old values were reached before the write
    CHECK(svs == 48);
    CHECK(machine.registry.dump() == before);
  }
  SUBCASE("SubSystems read-only: it does not open for writing, which is a failed write") {
    Machine machine;
    machine.registry.setKeyDenied(kSubSystems, true);
    std::u16string before = machine.registry.dump();
    std::int32_t svs = -1, heap = -1;
    app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
    CHECK(outcome.result == HeapChangeResult::kWriteFailed);
    CHECK(std::u16string(outcome.failedValue) == u"Windows");
    CHECK(outcome.status == NtStatus::kAccessDenied);
    CHECK(outcome.restored);
    CHECK(machine.registry.dump() == before);
    CHECK(heap == -1);
  }
  SUBCASE("no administrator: every write denied, reported as a failed write") {
    Machine machine;
    machine.registry.setDenyWrites(true);
    std::u16string before = machine.registry.dump();
    std::int32_t svs = -1, heap = -1;
    CHECK(app::SetDesktopHeap(96, 9216, svs, heap).result == HeapChangeResult::kWriteFailed);
    CHECK(machine.registry.dump() == before);
  }
}

TEST_CASE("a failed Windows write puts SessionViewSize back as it was") {
  struct Case {
    const char* what;
    bool svsPresent;
    std::uint32_t svsType;
    std::vector<std::uint8_t> svsData;
    bool tamper;  // the write reports success but does not read back
  };
  const Case cases[] = {
      {"absent, denied", false, 0, {}, false},
      {"absent, tampered", false, 0, {}, true},
      {"REG_DWORD, denied", true, s::reg::kRegDword, {48, 0, 0, 0}, false},
      {"8-byte binary, denied", true, s::reg::kRegBinary, {1, 2, 3, 4, 5, 6, 7, 8}, false},
      {"REG_DWORD, tampered", true, s::reg::kRegDword, {32, 0, 0, 0}, true},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    Machine machine;
    if (c.svsPresent) {
      machine.seedSessionViewSize(c.svsType, c.svsData.data(),
                                  static_cast<std::uint32_t>(c.svsData.size()));
    }
    if (c.tamper) {
      machine.registry.tamperValueWrite(kSubSystems, u"Windows", 1);
    } else {
      machine.registry.failValueWrite(kSubSystems, u"Windows", NtStatus::kAccessDenied);
    }
    std::u16string before = machine.registry.dump();
    std::int32_t svs = -1, heap = -1;
    app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
    CHECK(outcome.result == HeapChangeResult::kWriteFailed);
    CHECK(std::u16string(outcome.failedValue) == u"Windows");
    CHECK(outcome.readBackMismatch == c.tamper);
    CHECK(outcome.status == (c.tamper ? NtStatus::kSuccess : NtStatus::kAccessDenied));
    CHECK(outcome.restored);
    CHECK(machine.registry.dump() == before);
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    CHECK(machine.sessionViewSize(&type, &data) == c.svsPresent);
    if (c.svsPresent) {
      CHECK(type == c.svsType);
      CHECK(data == c.svsData);
    }
  }
}

TEST_CASE("a SessionViewSize write that does not read back is undone and reported") {
  Machine machine;
  machine.registry.tamperValueWrite(kMemory, u"SessionViewSize", 1);
  std::u16string before = machine.registry.dump();
  std::int32_t svs = -1, heap = -1;
  app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
  CHECK(outcome.result == HeapChangeResult::kWriteFailed);
  CHECK(std::u16string(outcome.failedValue) == u"SessionViewSize");
  CHECK(outcome.readBackMismatch);
  CHECK(outcome.restored);
  CHECK(machine.registry.dump() == before);
}

TEST_CASE("a rollback that cannot be written is reported as not restored") {
  Machine machine;
  const std::uint32_t old = 40;
  machine.seedSessionViewSize(s::reg::kRegDword, &old, 4);
  // Both the SessionViewSize write and its repair land wrong.
  machine.registry.tamperValueWrite(kMemory, u"SessionViewSize", 2);
  std::int32_t svs = -1, heap = -1;
  app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, 9216, svs, heap);
  CHECK(outcome.result == HeapChangeResult::kWriteFailed);
  CHECK_FALSE(outcome.restored);
}
