#include "support/OtherThread.h"

#include <thread>

namespace support {

bool runOnOtherThread(void (*fn)(void*), void* argument) {
  std::thread thread(fn, argument);
  thread.join();
  return true;
}

}  // namespace support
