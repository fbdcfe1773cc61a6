#pragma once

namespace s::thread {

// Runs fn(argument) when the process exits, in reverse order of registration. The process-wide
// pools and shared buffers use it so that what they hold is freed last, after every static user.
void atProcessExit(void (*fn)(void*), void* argument);

}  // namespace s::thread
