// A function of a system library, looked up by name: the library is taken
// where it is already loaded, else loaded from the system folder on first use
// and kept for the process. Null when the library or function is missing
// (an older system).
#pragma once

#include <windows.h>

namespace toolkit {

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) module = LoadLibraryW(library);  // systems without the search flag
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace toolkit
