#pragma once

#include <cstdint>

namespace s::col {

// One step of the growth policy shared by texts, arrays and the registry query buffer.
constexpr std::uint32_t growthStep(std::uint32_t capacity) {
  std::uint64_t c = capacity;
  std::uint64_t next = c < 100           ? 100
                       : c < 10'000'000  ? c * 3
                       : c < 50'000'000  ? c * 2
                       : c < 100'000'000 ? c + c / 2
                                         : c + c / 5;
  return next > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(next);
}

// The capacity the policy reaches from `capacity` to hold at least `needed`.
constexpr std::uint32_t grownCapacity(std::uint32_t capacity, std::uint32_t needed) {
  while (capacity < needed) {
    std::uint32_t next = growthStep(capacity);
    if (next == capacity) return needed;
    capacity = next;
  }
  return capacity;
}

// Allocation failure is not recoverable for the library's containers: fail at once rather
// than write through a null block.
void* allocateOrDie(std::uint64_t bytes);
void* reallocateOrDie(void* block, std::uint64_t bytes);

}  // namespace s::col
