#pragma once

namespace support {

// Runs fn(argument) on a new thread and waits until it has ended, so that the thread's
// end-of-life work (its thread-local destructors) has run when this returns. False when no
// thread could be started.
bool runOnOtherThread(void (*fn)(void*), void* argument);

}  // namespace support
