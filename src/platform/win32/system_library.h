// Functions of system libraries that the program needs only now and then.
// Importing shell32 and ole32 would load them, and the many libraries they
// pull in, before the first window, which under Wine delays it noticeably.
#pragma once

#include <windows.h>

#include <string>

namespace vl::win32 {

// The function from the library in the system directory, loaded on first
// use and kept; null when either is missing.
template <class Function>
Function systemFunction(const wchar_t* library, const char* name) {
  wchar_t dir[MAX_PATH] = {};
  UINT n = GetSystemDirectoryW(dir, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  HMODULE module = LoadLibraryW((std::wstring(dir) + L"\\" + library).c_str());
  if (!module) return nullptr;
  // Through the plain function type: the cast between function types is then
  // one the compilers accept silently.
  auto plain = reinterpret_cast<void (*)()>(GetProcAddress(module, name));
  return reinterpret_cast<Function>(plain);
}

}  // namespace vl::win32
