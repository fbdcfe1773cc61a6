#include "app/ChangeLock.h"

#include <windows.h>

namespace app {

ChangeLock::ChangeLock(std::uint32_t waitMs) {
  const wchar_t* name = reinterpret_cast<const wchar_t*>(kChangeLockName);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, name);
  // Made by another user's copy: its default access list may still let us wait on it.
  if (mutex == nullptr && GetLastError() == ERROR_ACCESS_DENIED) {
    mutex = OpenMutexW(SYNCHRONIZE, FALSE, name);
  }
  if (mutex == nullptr) return;
  DWORD waited = WaitForSingleObject(mutex, waitMs);
  // Abandoned: the holder ended mid-change. Ours now; the editor reads the registry afresh and
  // verifies what it writes, so going on is safe.
  if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
    handle_ = mutex;
  } else {
    CloseHandle(mutex);
  }
}

ChangeLock::~ChangeLock() {
  if (handle_ == nullptr) return;
  ReleaseMutex(static_cast<HANDLE>(handle_));
  CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace app
