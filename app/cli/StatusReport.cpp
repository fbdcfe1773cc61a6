#include "app/cli/StatusReport.h"

#include "app/HeapChange.h"
#include "s/reg/RegDir.h"
#include "s/thread/Pool.h"

namespace app::cli {

namespace {

using s::base::Owned;
using s::reg::NtStatus;
using s::reg::win::RegDir;
using s::str::strbuffer::StrBuffer;

// Our keys open for full access, which only an administrator has on the machine's keys.
constexpr const char16_t* kNeedsAdministrator =
    u"unknown (the key cannot be opened: run as an administrator)";

Owned<RegDir> openMachineKey(const char16_t* path, NtStatus* status) {
  Owned<RegDir> key = s::thread::obtain<RegDir>();
  *status = key->open(s::reg::kHkeyLocalMachine, path);
  return key;
}

void appendSharedSection(StrBuffer& line) {
  NtStatus status = NtStatus::kSuccess;
  Owned<RegDir> key = openMachineKey(kSubSystemsPath, &status);
  if (status == NtStatus::kAccessDenied) {
    line.appendText(kNeedsAdministrator);
    return;
  }
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  bool present = key->isOpen() && key->queryValue(kWindowsValue, &type, &size, -1);
  if (!present || (type != s::reg::kRegSz && type != s::reg::kRegExpandSz)) {
    line.appendText(u"unknown (no Windows value of a text type)");
    return;
  }
  Owned<StrBuffer> value =
      s::str::strbuffer::newStr(key->getString(kWindowsValue, u"", nullptr, false));
  SharedSectionNumbers clause = ReadSharedSection(*value);
  if (!clause.ok) {
    line.appendText(u"unknown (the Windows value has no SharedSection clause of three numbers)");
    return;
  }
  line.appendInt32(clause.numbers[0])
      .appendChar(u',')
      .appendInt32(clause.numbers[1])
      .appendChar(u',')
      .appendInt32(clause.numbers[2])
      .appendText(u" (desktop heap ")
      .appendInt32(clause.numbers[1])
      .appendChar(u')');
}

void appendSessionViewSize(StrBuffer& line) {
  NtStatus status = NtStatus::kSuccess;
  Owned<RegDir> key = openMachineKey(kMemoryManagementPath, &status);
  if (status == NtStatus::kAccessDenied) {
    line.appendText(kNeedsAdministrator);
    return;
  }
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (!key->isOpen() || !key->queryValue(kSessionViewSizeValue, &type, &size, -1)) {
    line.appendInt32(kDefaultSessionViewSize).appendText(u" (not set: the system's default)");
  } else if (size != 4) {
    line.appendInt32(kDefaultSessionViewSize)
        .appendText(u" (stored in ")
        .appendUInt32(size)
        .appendText(u" bytes, not 4: read as the default)");
  } else {
    line.appendInt32(key->getInt32(kSessionViewSizeValue, kDefaultSessionViewSize));
  }
}

void appendKept(StrBuffer& line, s::map::IMappedData& store, const char16_t* name,
                std::int32_t fallback) {
  if (store.hasValue(kHeapChangeSection, name)) {
    line.appendInt32(store.getInt32(kHeapChangeSection, name, fallback));
  } else {
    line.appendText(u"none (an undo writes ").appendInt32(fallback).appendChar(u')');
  }
}

}  // namespace

void writeStatusReport(s::map::IMappedData& store, IOutput& out) {
  Owned<StrBuffer> line = s::str::strbuffer::newStr(u"SharedSection: ");
  appendSharedSection(*line);
  out.writeLine(line->text());

  line->setText(u"SessionViewSize: ");
  appendSessionViewSize(*line);
  out.writeLine(line->text());

  line->setText(u"Kept SessionViewSize: ");
  appendKept(*line, store, kOriginalSessionViewSizeValue, kDefaultSessionViewSize);
  out.writeLine(line->text());

  line->setText(u"Kept desktop heap: ");
  appendKept(*line, store, kOriginalDesktopHeapValue, kDefaultDesktopHeap);
  out.writeLine(line->text());

  out.writeLine(isHeapChangeInForce(store) ? u"Change in force: yes" : u"Change in force: no");
}

}  // namespace app::cli
