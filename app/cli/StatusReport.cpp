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

// The report opens the machine's keys for reading only, which every user may do on a stock
// system; a key that refuses even that has had its access list narrowed.
constexpr const char16_t* kNotReadable =
    u"unknown (the key cannot be read: run as an administrator)";

// A value of a machine key as far as we may read it.
struct Lookup {
  Owned<RegDir> key = s::thread::obtain<RegDir>();
  // False when the key exists but is not ours to open.
  bool readable = false;
  bool present = false;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
};

Lookup lookUp(const char16_t* path, const char16_t* name) {
  Lookup found;
  found.readable =
      found.key->openForReading(s::reg::kHkeyLocalMachine, path) != NtStatus::kAccessDenied;
  found.present = found.key->isOpen() && found.key->queryValue(name, &found.type, &found.size, -1);
  return found;
}

void appendSharedSection(StrBuffer& line) {
  Lookup windows = lookUp(kSubSystemsPath, kWindowsValue);
  if (!windows.readable) {
    line.appendText(kNotReadable);
    return;
  }
  if (!windows.present ||
      (windows.type != s::reg::kRegSz && windows.type != s::reg::kRegExpandSz)) {
    line.appendText(u"unknown (no Windows value of a text type)");
    return;
  }
  Owned<StrBuffer> value =
      s::str::strbuffer::newStr(windows.key->getString(kWindowsValue, u"", nullptr, false));
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
  Lookup svs = lookUp(kMemoryManagementPath, kSessionViewSizeValue);
  if (!svs.readable) {
    line.appendText(kNotReadable);
  } else if (!svs.present) {
    line.appendInt32(kDefaultSessionViewSize).appendText(u" (not set: the system's default)");
  } else if (svs.size != 4) {
    line.appendInt32(kDefaultSessionViewSize)
        .appendText(u" (stored in ")
        .appendUInt32(svs.size)
        .appendText(u" bytes, not 4: read as the default)");
  } else {
    line.appendInt32(svs.key->getInt32(kSessionViewSizeValue, kDefaultSessionViewSize));
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
