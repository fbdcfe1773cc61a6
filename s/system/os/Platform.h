#pragma once

#include <cstdint>

namespace s::system::os {

// What the operating system says about itself: the platform's side of the version record.
struct VersionFacts {
  std::uint32_t platformId = 0;
  std::uint32_t majorVersion = 0;
  std::uint32_t minorVersion = 0;
  std::uint32_t buildNumber = 0;
  // The CSD version text, terminated (OSVERSIONINFOW holds at most 128 units).
  char16_t servicePack[128] = {};
  bool isWow64 = false;
};

constexpr std::uint32_t kPlatformWin32Nt = 2;

// Asks the operating system for its version (GetVersionExW, IsWow64Process when present).
VersionFacts queryVersionFacts();

// Total physical memory in bytes (GlobalMemoryStatusEx); false when the query fails.
bool queryTotalPhysicalMemory(std::uint64_t* bytes);

}  // namespace s::system::os
