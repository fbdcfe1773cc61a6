#pragma once

#include <windows.h>

namespace s::system::os::win {

// A function a module may lack, looked up at run time and given its own type; null when the
// module or the function is missing. GetProcAddress answers a generic function pointer, and the
// cast through void (*)() converts it without a function-type warning.
template <class Function>
Function entryPoint(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace s::system::os::win
