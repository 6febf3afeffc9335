#include "platform/win32/system_library.h"

#include <map>
#include <string>

namespace vl::win32 {

namespace {

// The libraries loaded so far, by name. They stay loaded until the process
// ends: the shell, COM and the MCI drivers leave threads of their own
// running in them (a dialog's helpers, a driver's play thread on its way
// out), and freeing a library under such a thread crashes it. Callers also
// keep the functions they found. Asked from the UI thread only: no lock.
class SystemLibraries {
 public:
  HMODULE module(const wchar_t* library) {
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

 private:
  std::map<std::wstring, HMODULE> modules_;
};

}  // namespace

FARPROC systemProc(const wchar_t* library, const char* name) {
  // Never destroyed: it may still be asked while the statics of other files
  // are destroyed at exit, and it would free nothing anyway.
  static auto* libraries = new SystemLibraries;
  HMODULE module = libraries->module(library);
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace vl::win32
