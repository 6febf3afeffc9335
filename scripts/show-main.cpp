// Used by scripts/start.sh on a virtual screen, where nobody can answer the
// program: answers the first-run question with the default path (its OK
// button), waits until the main window shows, closes the tip of the day in
// front of it, lets it paint, and ends.
// Kept apart from the test driver so that starting the program builds one
// small file, not the whole driver.
// Exit status: 0 once the main window shows, 1 if it does not within 30 s.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// Every window of the program carries its form or control name as a global
// atom in this property.
std::wstring nameOf(HWND hwnd) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, L"VarilumeName")));
  if (!atom) return {};
  wchar_t name[256] = {};
  UINT n = GlobalGetAtomNameW(atom, name, 256);
  return std::wstring(name, n);
}

struct Search {
  const wchar_t* name;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK match(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  if (s->visibleOnly && !IsWindowVisible(hwnd)) return TRUE;
  if (nameOf(hwnd) != s->name) return TRUE;
  s->found = hwnd;
  return FALSE;
}

HWND visibleForm(const wchar_t* name) {
  Search s{name, true, nullptr};
  EnumWindows(match, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND childNamed(HWND parent, const wchar_t* name) {
  Search s{name, false, nullptr};
  EnumChildWindows(parent, match, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

}  // namespace

int main() {
  const DWORD deadline = GetTickCount() + 30000;
  HWND main = nullptr;
  HWND answered = nullptr;
  while (!(main = visibleForm(L"Form1"))) {
    if (GetTickCount() > deadline) {
      std::fprintf(stderr, "The main window did not appear within 30 seconds.\n");
      return 1;
    }
    HWND question = visibleForm(L"Form15");
    if (question && question != answered) {
      if (HWND ok = childNamed(question, L"SSCommand1")) {
        PostMessageW(ok, BM_CLICK, 0, 0);
        answered = question;
      }
    }
    Sleep(100);
  }
  // The tip window shows in the same step as the main window, so after a
  // round trip through the program's queue it is there if it comes at all.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
  if (HWND tips = visibleForm(L"Form14")) {
    if (HWND close = childNamed(tips, L"Command1")) PostMessageW(close, BM_CLICK, 0, 0);
    const DWORD closing = GetTickCount() + 5000;
    while (IsWindowVisible(tips) && GetTickCount() < closing) Sleep(50);
  }
  // A moment for the pages' controls, made when the program is first idle,
  // to paint.
  SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
  Sleep(1000);
  return 0;
}
