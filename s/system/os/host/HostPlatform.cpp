#include "s/system/os/host/HostPlatform.h"

namespace s::system::os {

namespace {

struct HostState {
  VersionFacts facts = host::ntVersion(5, 1);
  std::uint64_t memory = 1024ull * 1024 * 1024;
  bool memoryQueryFails = false;
};

HostState& state() {
  static HostState instance;
  return instance;
}

}  // namespace

VersionFacts queryVersionFacts() { return state().facts; }

bool queryTotalPhysicalMemory(std::uint64_t* bytes) {
  if (state().memoryQueryFails) return false;
  *bytes = state().memory;
  return true;
}

namespace host {

VersionFacts ntVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build) {
  VersionFacts facts;
  facts.platformId = kPlatformWin32Nt;
  facts.majorVersion = major;
  facts.minorVersion = minor;
  facts.buildNumber = build;
  const char16_t servicePack[] = u"Service Pack 3";
  for (std::uint32_t i = 0; servicePack[i] != 0; ++i) facts.servicePack[i] = servicePack[i];
  return facts;
}

void setVersionFacts(const VersionFacts& facts) { state().facts = facts; }

void setTotalPhysicalMemory(std::uint64_t bytes, bool queryFails) {
  state().memory = bytes;
  state().memoryQueryFails = queryFails;
}

void resetPlatform() { state() = HostState(); }

}  // namespace host

}  // namespace s::system::os
