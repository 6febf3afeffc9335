// Functions of system libraries that the program needs only now and then.
// Importing shell32 and ole32 would load them, and the many libraries they
// pull in, before the first window, which under Wine delays it noticeably.
#pragma once

#include <windows.h>

#include <type_traits>

namespace vl::win32 {

// The function of that name in the library of the system directory; null
// when either is missing. Each library is loaded once, on first use.
FARPROC systemProc(const wchar_t* library, const char* name);

// Called with the type of the function's own declaration,
//   systemFunction<decltype(&::mciSendCommandW)>(L"winmm.dll", "mciSendCommandW"),
// so that the compiler checks the arguments and the calling convention. The
// declaration is only looked at, never referred to: nothing is imported.
template <class Function>
Function systemFunction(const wchar_t* library, const char* name) {
  static_assert(std::is_function_v<std::remove_pointer_t<Function>>,
                "typed by decltype(&::TheFunction)");
  // Through the plain function type: the cast between function types is then
  // one the compilers accept silently.
  auto plain = reinterpret_cast<void (*)()>(systemProc(library, name));
  return reinterpret_cast<Function>(plain);
}

}  // namespace vl::win32
