#include <atomic>

#include "app/ChangeLock.h"
#include "app/host/HostChangeLock.h"

namespace app {

namespace {

std::atomic<bool> heldElsewhere{false};
// Any non-null value marks the lock as held; there is nothing behind it to close.
int token = 0;

}  // namespace

ChangeLock::ChangeLock(std::uint32_t) {
  if (!heldElsewhere) handle_ = &token;
}

ChangeLock::~ChangeLock() = default;

void host::setChangeLockHeldElsewhere(bool held) { heldElsewhere = held; }

}  // namespace app
