// Fuzzes the whole heap change over the host's in-memory registry with any `Windows` value: any
// type, any bytes, any byte count. Beyond "no crash": the outcome must be the one an independent
// reading of the stored bytes gives; a refusal must leave the registry exactly as it was and the
// out-parameters untouched; a change must write the rewritten text and nothing else, and its
// undo must write the clause back with the old number.
//
// Input: one byte choosing the type (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_BINARY), 4 bytes
// of the new heap number (little-endian), then the value's bytes as stored.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/HeapEditor.h"
#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"
#include "s/reg/host/MemoryRegistry.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/os/host/HostPlatform.h"

namespace {

using app::HeapChangeResult;
using s::reg::host::MemoryRegistry;

void fail() { __builtin_trap(); }

constexpr const char16_t* kSubSystems =
    u"\\Registry\\Machine\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";

std::u16string storedWindows(std::uint32_t* type) {
  std::vector<std::uint8_t> data;
  if (!MemoryRegistry::instance().readValue(kSubSystems, u"Windows", type, &data)) {
    return u"<absent>";
  }
  std::u16string units(data.size() / 2, u'\0');
  if (!units.empty()) std::memcpy(&units[0], data.data(), 2 * units.size());
  // An odd byte shows as a unit of its own, so that it cannot go unnoticed.
  if (data.size() % 2 != 0) units += static_cast<char16_t>(0xD800 | data.back());
  return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5 || size > 65536) return 0;
  static const std::uint32_t kTypes[] = {s::reg::kRegSz, s::reg::kRegExpandSz, s::reg::kRegMultiSz,
                                         s::reg::kRegBinary};
  const std::uint32_t type = kTypes[data[0] % 4];
  std::int32_t newHeap;
  std::memcpy(&newHeap, data + 1, 4);
  const std::uint8_t* bytes = data + 5;
  const auto count = static_cast<std::uint32_t>(size - 5);

  MemoryRegistry& registry = MemoryRegistry::instance();
  registry.clear();
  s::system::os::host::resetPlatform();
  {
    auto subSystems = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kSubSystemsPath);
    if (subSystems->setValue(u"Windows", type, bytes, count) != s::reg::NtStatus::kSuccess) fail();
    auto memory = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, app::kMemoryManagementPath);
    if (memory->create() != s::reg::NtStatus::kSuccess) fail();
  }

  // The independent reading: the text is the whole units up to the first zero one; the value
  // is usable only when nothing but one terminator follows it.
  std::u16string text;
  for (std::uint32_t i = 0; i + 1 < count; i += 2) {
    char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    text += unit;
  }
  const std::uint32_t textBytes = static_cast<std::uint32_t>(2 * text.size());
  const bool isText = type == s::reg::kRegSz || type == s::reg::kRegExpandSz;
  const bool plain = count == textBytes || count == textBytes + 2;
  auto textBuffer = s::str::strbuffer::newStr();
  textBuffer->appendUnits(text.data(), static_cast<std::uint32_t>(text.size()));
  app::SharedSectionRewrite rewrite = app::RewriteSharedSection(*textBuffer, newHeap);
  HeapChangeResult expected = !isText       ? HeapChangeResult::kWindowsValueUnreadable
                              : !plain      ? HeapChangeResult::kWindowsValueHasExtraData
                              : !rewrite.ok ? HeapChangeResult::kNoUsableSharedSection
                                            : HeapChangeResult::kChanged;

  const std::u16string before = registry.dump();
  std::int32_t svs = -1, heap = -2;
  app::HeapChangeOutcome outcome = app::SetDesktopHeap(96, newHeap, svs, heap);
  if (outcome.result != expected) fail();
  if (registry.openHandleCount() != 0) fail();
  if (!outcome.changed()) {
    if (registry.dump() != before || svs != -1 || heap != -2) fail();
    return 0;
  }

  std::uint32_t storedType = 0;
  const std::u16string written(rewrite.newValue->data(), rewrite.newValue->length());
  if (storedWindows(&storedType) != written + u'\0' || storedType != s::reg::kRegExpandSz) fail();
  if (heap != rewrite.oldSecond || svs != app::kDefaultSessionViewSize) fail();

  std::int32_t scratch1 = 0, scratch2 = 0;
  if (!app::SetDesktopHeap(svs, heap, scratch1, scratch2).changed()) fail();
  if (scratch2 != newHeap || scratch1 != 96) fail();
  // The undo writes the clause with the old number, in the rewrite's own form (empty pieces of
  // the number list are not kept), and nothing else of the text changes.
  app::SharedSectionRewrite original = app::RewriteSharedSection(*textBuffer, rewrite.oldSecond);
  const std::u16string restored(original.newValue->data(), original.newValue->length());
  if (storedWindows(&storedType) != restored + u'\0') fail();
  registry.clear();
  return 0;
}
