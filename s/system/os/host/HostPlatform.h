#pragma once

#include <cstdint>

#include "s/system/os/Platform.h"

namespace s::system::os::host {

// The host's stand-in for the operating system: tests set what the version and memory queries
// answer. Until set, it answers Windows XP SP3 (NT 5.1.2600) with 1 GiB of memory.
void setVersionFacts(const VersionFacts& facts);
void setTotalPhysicalMemory(std::uint64_t bytes, bool queryFails = false);
// Back to the defaults above.
void resetPlatform();

// Facts for an NT system of the given version.
VersionFacts ntVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build = 2600);

}  // namespace s::system::os::host
