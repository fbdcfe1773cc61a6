#include "support/OtherThread.h"

#include <windows.h>

namespace support {

namespace {

struct Call {
  void (*fn)(void*);
  void* argument;
};

DWORD WINAPI runCall(void* call) {
  auto* c = static_cast<Call*>(call);
  c->fn(c->argument);
  return 0;
}

}  // namespace

bool runOnOtherThread(void (*fn)(void*), void* argument) {
  Call call{fn, argument};
  HANDLE thread = CreateThread(nullptr, 0, &runCall, &call, 0, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return true;
}

}  // namespace support
