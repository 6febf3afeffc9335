// A form whose controls' windows the system refuses does not load, and
// leaves no window behind; it loads once the system makes them again.
#include <string>

#include "platform/win32/system/system_library.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/windows/window_of.h"
#include "services.h"

namespace pc {

namespace {

constexpr DWORD kDeadline = 5000;

class PlainForm : public vl::Form {
 public:
  explicit PlainForm(vl::Ui& ui) : Form(ui, "PlainForm", "Refused children", 4000, 2000) {
    vl::place(frame, 0, 0, 3000, 1500);
    vl::place(button, 120, 240, 1200, 375, "Inner");
  }
  vl::Panel frame{this, "frame"};
  vl::CommandButton button{&frame, "inner"};
};

// Windows' own way to refuse a window: a CBT hook that answers its creation.
LRESULT CALLBACK refuseChildren(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND && (reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs->style & WS_CHILD))
    return 1;
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

void runLoadFailureChecks(HINSTANCE instance) {
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32Ui ui(instance, libraries);
  PlainForm form(ui);
  HHOOK hook = SetWindowsHookExW(WH_CBT, &refuseChildren, nullptr, GetCurrentThreadId());
  CHECK_MSG(hook != nullptr, "child windows can be refused", "no hook");
  if (!hook) return;
  bool loaded = form.load();
  UnhookWindowsHookEx(hook);
  CHECK_MSG(!loaded && !form.loaded(), "a form whose controls get no window does not load",
            "it loaded");
  CHECK_MSG(vl::win32::windowOf(form) == nullptr && vl::win32::windowOf(form.frame) == nullptr,
            "nothing of it keeps a window", "a window is left");
  CHECK_MSG(FindWindowW(nullptr, L"Refused children") == nullptr, "its window is gone",
            "the form's window is still there");

  form.show();
  CHECK_MSG(form.loaded(), "it loads when the windows can be made", "it did not");
  // The frame's controls get their windows once it shows.
  CHECK_MSG(pumpUntil([&] { return vl::win32::windowOf(form.button) != nullptr; }, kDeadline),
            "its inner button has a window", "no window");
  form.unload();
}

}  // namespace pc
