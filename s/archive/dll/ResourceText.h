#pragma once

#include <cstdint>

#include "s/archive/dll/IArchive.h"
#include "s/base/Owned.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::archive::dll {

// The resource of that type text (case-sensitive) and numeric id, decoded from UTF-8; null when
// it is missing or cannot be read.
s::base::Owned<s::str::strbuffer::StrBuffer> readResourceText(const IArchive& archive,
                                                              const char16_t* typeName,
                                                              std::uint32_t id);

}  // namespace s::archive::dll
