#pragma once

#include <cstdint>

namespace app::cli {

enum class CommandMode { kStatus, kApply, kUndo, kUsage, kBadArguments };

struct ParsedArguments {
  CommandMode mode = CommandMode::kBadArguments;
  // For kBadArguments: the first argument not understood, or null when there were none or too
  // many.
  const char16_t* offending = nullptr;
};

// One argument of "status", "apply", "undo" or "?", after "/" or "-", in any letter case.
ParsedArguments parseArguments(const char16_t* const* arguments, std::uint32_t count);

}  // namespace app::cli
