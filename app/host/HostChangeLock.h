#pragma once

namespace app::host {

// The host's stand-in for the lock between copies: tests play another copy holding it.
void setChangeLockHeldElsewhere(bool held);

}  // namespace app::host
