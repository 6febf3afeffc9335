// Starting and ending the program, finding its windows by their automation
// names, and the median of a benchmark's runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

// Whether the window carries this automation name.
inline bool hasName(HWND hwnd, const wchar_t* name) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, L"VarilumeName")));
  wchar_t found[64] = {};
  return atom && GlobalGetAtomNameW(atom, found, 64) && lstrcmpW(found, name) == 0;
}

struct Found {
  const wchar_t* name;
  HWND hwnd;
};

inline BOOL CALLBACK findNamed(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Found*>(lp);
  // Several windows may carry a name (the reminder's Check1 and the view's):
  // the one wanted is the one on screen.
  if (hasName(hwnd, s->name) && IsWindowVisible(hwnd)) {
    s->hwnd = hwnd;
    return FALSE;
  }
  EnumChildWindows(hwnd, findNamed, lp);
  return s->hwnd == nullptr;
}

// A visible window of the program with that name, waiting up to 20 s for it.
inline HWND named(const wchar_t* name) {
  for (int i = 0; i < 20000; ++i) {
    Found s{name, nullptr};
    EnumWindows(findNamed, reinterpret_cast<LPARAM>(&s));
    if (s.hwnd) return s.hwnd;
    Sleep(1);
  }
  return nullptr;
}

// Starts the program in the directory; null handles when it could not be.
inline PROCESS_INFORMATION startProgram(const std::wstring& program, const std::wstring& arguments,
                                        const std::wstring& directory) {
  std::wstring line = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.c_str(), &si, &pi))
    std::printf("cannot start %ls: error %lu\n", program.c_str(), GetLastError());
  return pi;
}

// Ends the program started, if any.
inline void endProgram(PROCESS_INFORMATION& pi) {
  if (!pi.hProcess) return;
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
}

inline double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace bench
