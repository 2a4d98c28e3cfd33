// Looks up a call by name in a library loaded at run time, for the calls that some Windows lack.
#pragma once
#include <windows.h>

namespace ui {

// Null when the module is null or does not export the call.
template <typename Proc>
Proc Bind(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // FARPROC is a stand-in for any function pointer; the detour through void (*)() says so.
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace ui
