// The tray icon on a hidden form's hook control: the shell's callback as it
// arrives (message 0x200 with the mouse message in lParam) and as the
// program hears it.
#include <optional>

#include "check.h"
#include "platform/win32/shell_tray_icon.h"
#include "platform/win32/ui.h"
#include "platform/win32/window_of.h"

namespace check {

namespace {

constexpr int kIconResource = 1;
constexpr DWORD kDeadline = 10000;

class HookForm : public vl::Form {
 public:
  explicit HookForm(vl::Ui& ui) : Form(ui, "Form2", "Hook", 1500, 1500) {
    vl::place(pichook, 0, 0, 1500, 1500);
  }
  vl::Panel pichook{this, "pichook"};
};

// With no desktop tray on the X display, Wine shows each icon as a child
// window of its own tray window; a click there is a click on the icon.
HWND wineTrayIcon() {
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  return tray ? FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr) : nullptr;
}

// What the hook window was sent: the shell sends its callback rather than
// posting it, so only a hook on the thread's window procedures sees it.
HWND watchedWindow = nullptr;
std::optional<LPARAM> sentToHook;

LRESULT CALLBACK watchSent(int code, WPARAM wp, LPARAM lp) {
  auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && sent->hwnd == watchedWindow && sent->message == WM_MOUSEMOVE)
    sentToHook = sent->lParam;
  return CallNextHookEx(nullptr, code, wp, lp);
}

void checkShellCallback(Tally& t, HWND hook) {
  HWND icon = nullptr;
  bool shown = pumpUntil([&] { return (icon = wineTrayIcon()) != nullptr; }, kDeadline);
  t.expect(shown, "the icon shows in Wine's tray");
  if (!shown) return;
  watchedWindow = hook;
  sentToHook.reset();
  HHOOK watch = SetWindowsHookExW(WH_CALLWNDPROC, watchSent, nullptr, GetCurrentThreadId());
  PostMessageW(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
  PostMessageW(icon, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
  bool heard = pumpUntil([&] { return sentToHook == vl::tray::RightUp; }, kDeadline);
  UnhookWindowsHookEx(watch);
  t.expect(heard, "a right click on it reaches the hook window as 0x200 with lParam 0x205",
           sentToHook ? std::to_string(*sentToHook) : "nothing");
}

void checkCallback(Tally& t, vl::TrayIcon& tray, HWND hook, int mouseMessage) {
  std::optional<int> reported;
  tray.Callback = [&reported](int message) { reported = message; };
  PostMessageW(hook, WM_MOUSEMOVE, 0, mouseMessage);
  bool heard = pumpUntil([&] { return reported.has_value(); }, kDeadline);
  t.expect(heard && *reported == mouseMessage,
           "the program hears " + std::to_string(mouseMessage) + " from the hidden hook",
           heard ? std::to_string(*reported) : "nothing");
  tray.Callback = nullptr;
}

}  // namespace

void runTrayChecks(Tally& t, HINSTANCE instance) {
  vl::win32::Win32Ui ui(instance);
  HookForm form(ui);
  vl::win32::ShellTrayIcon tray(instance, kIconResource);

  std::string unloaded = tray.add(form.pichook, "Varilume SE", 96);
  t.expect(!unloaded.empty() && !tray.shown(), "a hook without a window is refused", unloaded);

  form.load();
  HWND hook = vl::win32::windowOf(form.pichook);
  t.expect(hook != nullptr && !IsWindowVisible(hook), "the hidden hook has a window");
  std::string added = tray.add(form.pichook, "Varilume SE", 96);
  t.expect(added.empty() && tray.shown(), "the icon is added", added);
  checkShellCallback(t, hook);
  checkCallback(t, tray, hook, vl::tray::RightUp);
  checkCallback(t, tray, hook, vl::tray::LeftDoubleClick);

  // A tip longer than the record holds is cut, not refused.
  std::string again = tray.add(form.pichook, std::string(100, 'x') + "\xC3\xA9", 96);
  t.expect(again.empty() && tray.shown(), "the icon is added again with a long tip", again);

  tray.remove();
  t.expect(!tray.shown(), "the icon is removed");
  t.expect(pumpUntil([] { return wineTrayIcon() == nullptr; }, kDeadline), "it leaves Wine's tray");
  tray.remove();
  t.expect(!tray.shown(), "removing it again is harmless");
  form.unload();
}

}  // namespace check
