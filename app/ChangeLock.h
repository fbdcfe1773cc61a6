#pragma once

#include <cstdint>

namespace app {

// Machine-wide, since the values it guards are the local machine's, whichever session runs us.
constexpr const char16_t* kChangeLockName = u"Global\\VexoOmbrelHeapChange";
// An apply or undo takes milliseconds; a copy still waiting after this is stuck elsewhere.
constexpr std::uint32_t kChangeLockWaitMs = 5000;

// Held while one copy of the program applies or undoes the heap change, so that two copies (a
// window and a script, or two scripts) never read and record the kept values at the same time.
class ChangeLock {
 public:
  // Waits up to waitMs for the lock; held() says whether it was got.
  explicit ChangeLock(std::uint32_t waitMs);
  ~ChangeLock();
  ChangeLock(const ChangeLock&) = delete;
  ChangeLock& operator=(const ChangeLock&) = delete;

  bool held() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace app
