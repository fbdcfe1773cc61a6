#include "s/col/Growth.h"

#include <cstddef>
#include <cstdlib>
#include <limits>

namespace s::col {

void* allocateOrDie(std::uint64_t bytes) { return reallocateOrDie(nullptr, bytes); }

void* reallocateOrDie(void* block, std::uint64_t bytes) {
  if (bytes == 0) bytes = 1;
  if (bytes > std::numeric_limits<std::size_t>::max()) std::abort();
  void* grown = std::realloc(block, static_cast<std::size_t>(bytes));
  if (grown == nullptr) std::abort();
  return grown;
}

}  // namespace s::col
