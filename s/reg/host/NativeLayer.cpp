#include "s/reg/NativeApi.h"
#include "s/reg/host/MemoryRegistry.h"

namespace s::reg {

const NativeLayer& nativeLayer() {
  static const NativeLayer layer = {host::MemoryRegistry::table(), true,
                                    host::MemoryRegistry::kUserSid, true};
  return layer;
}

}  // namespace s::reg

#include <cstdlib>
#include <string>

namespace s::reg {

std::uint32_t expandEnvironment(const char16_t* text, char16_t* out, std::uint32_t outUnits) {
  std::u16string result;
  for (std::uint32_t i = 0; text[i] != 0; ++i) {
    std::uint32_t close = i + 1;
    while (text[i] == u'%' && text[close] != 0 && text[close] != u'%') ++close;
    if (text[i] == u'%' && text[close] == u'%' && close > i + 1) {
      std::string name;
      for (std::uint32_t j = i + 1; j < close; ++j) name += static_cast<char>(text[j]);
      if (const char* value = std::getenv(name.c_str())) {
        for (const char* v = value; *v != 0; ++v) result += static_cast<char16_t>(*v);
        i = close;
        continue;
      }
    }
    result += text[i];
  }
  auto needed = static_cast<std::uint32_t>(result.size() + 1);
  if (needed <= outUnits) {
    result.copy(out, result.size());
    out[result.size()] = 0;
  }
  return needed;
}

}  // namespace s::reg
