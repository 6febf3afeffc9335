#include "platform/win32/system/system_library.h"

#include <cwchar>

namespace vl::win32 {

namespace {

// The shell, COM, the common dialogs and winmm (under the MCI drivers) leave
// threads of their own running in their code: a dialog's helpers, a driver's
// play thread on its way out. Freeing such a library under its thread
// crashes it, so these stay loaded until the process ends.
bool mayLeaveThreads(const std::wstring& library) {
  for (const wchar_t* name : {L"shell32.dll", L"ole32.dll", L"comdlg32.dll", L"winmm.dll"})
    if (_wcsicmp(library.c_str(), name) == 0) return true;
  return false;
}

}  // namespace

SystemLibraries::~SystemLibraries() {
  // Ended after every window and the message loop: no code of ours calls in.
  for (auto& [name, module] : modules_)
    if (module && !mayLeaveThreads(name)) FreeLibrary(module);
}

HMODULE SystemLibraries::module(const wchar_t* library) {
  // Held while loading: two threads asking for one library load it once.
  AcquireSRWLockExclusive(&lock_);
  HMODULE found = findOrLoad(library);
  ReleaseSRWLockExclusive(&lock_);
  return found;
}

HMODULE SystemLibraries::findOrLoad(const wchar_t* library) {
  auto it = modules_.find(library);
  if (it != modules_.end()) return it->second;
  HMODULE module = nullptr;
  wchar_t dir[MAX_PATH] = {};
  UINT n = GetSystemDirectoryW(dir, MAX_PATH);
  if (n > 0 && n < MAX_PATH) module = LoadLibraryW((std::wstring(dir) + L"\\" + library).c_str());
  // A library that is missing stays missing: it is not looked for again.
  modules_.emplace(library, module);
  return module;
}

FARPROC SystemLibraries::proc(const wchar_t* library, const char* name) {
  HMODULE found = module(library);
  return found ? GetProcAddress(found, name) : nullptr;
}

}  // namespace vl::win32
