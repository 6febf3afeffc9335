// Functions of system libraries that the program needs only now and then.
// Importing shell32 and ole32 would load them, and the many libraries they
// pull in, before the first window, which under Wine delays it noticeably.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <type_traits>

namespace vl::win32 {

// The libraries of the system directory loaded so far, each on first use;
// asked from any thread.
class SystemLibraries {
 public:
  SystemLibraries() = default;
  SystemLibraries(const SystemLibraries&) = delete;
  SystemLibraries& operator=(const SystemLibraries&) = delete;
  // Frees the libraries that leave no threads of their own behind.
  ~SystemLibraries();

  // The function of that name in the library; null when either is missing.
  FARPROC proc(const wchar_t* library, const char* name);

  // Called with the type of the function's own declaration,
  //   function<decltype(&::mciSendCommandW)>(L"winmm.dll", "mciSendCommandW"),
  // so that the compiler checks the arguments and the calling convention. The
  // declaration is only looked at, never referred to: nothing is imported.
  template <class Function>
  Function function(const wchar_t* library, const char* name) {
    static_assert(std::is_function_v<std::remove_pointer_t<Function>>,
                  "typed by decltype(&::TheFunction)");
    // Through the plain function type: the cast between function types is then
    // one the compilers accept silently.
    auto plain = reinterpret_cast<void (*)()>(proc(library, name));
    return reinterpret_cast<Function>(plain);
  }

 private:
  HMODULE module(const wchar_t* library);
  HMODULE findOrLoad(const wchar_t* library);

  SRWLOCK lock_ = SRWLOCK_INIT;
  std::map<std::wstring, HMODULE> modules_;
};

}  // namespace vl::win32
