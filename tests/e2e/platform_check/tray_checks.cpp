// The tray icon on a hidden form's hook control: the shell's callback as it
// arrives (message 0x200 with the mouse message in lParam) and as the
// program hears it.
#include <optional>
#include <sstream>

#include "platform/win32/shell/shell_tray_icon.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/windows/window_of.h"
#include "services.h"

namespace pc {

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

// A message number as the checks print it.
std::string messageText(std::optional<LPARAM> message) {
  if (!message) return "nothing";
  std::ostringstream text;
  text << "0x" << std::hex << std::uppercase << *message;
  return text.str();
}

// Whether the icon is shown after a call, with the call's error.
std::string addedText(const std::string& error, const vl::TrayIcon& tray) {
  return reason(error) + (tray.shown() ? ", shown" : ", not shown");
}

LRESULT CALLBACK watchSent(int code, WPARAM wp, LPARAM lp) {
  auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && sent->hwnd == watchedWindow && sent->message == WM_MOUSEMOVE)
    sentToHook = sent->lParam;
  return CallNextHookEx(nullptr, code, wp, lp);
}

void checkShellCallback(HWND hook) {
  HWND icon = nullptr;
  bool shown = pumpUntil([&] { return (icon = wineTrayIcon()) != nullptr; }, kDeadline);
  CHECK_MSG(shown, "the icon shows in Wine's tray", "no icon window in Wine's tray window");
  if (!shown) return;
  watchedWindow = hook;
  sentToHook.reset();
  HHOOK watch = SetWindowsHookExW(WH_CALLWNDPROC, watchSent, nullptr, GetCurrentThreadId());
  PostMessageW(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
  PostMessageW(icon, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
  pumpUntil([&] { return sentToHook == vl::tray::RightUp; }, kDeadline);
  UnhookWindowsHookEx(watch);
  CHECK_EQ_MSG(messageText(sentToHook), messageText(vl::tray::RightUp),
               "a right click on it reaches the hook window as 0x200 with lParam 0x205");
}

void checkCallback(vl::TrayIcon& tray, HWND hook, int mouseMessage) {
  std::optional<int> reported;
  tray.Callback = [&reported](int message) { reported = message; };
  PostMessageW(hook, WM_MOUSEMOVE, 0, mouseMessage);
  pumpUntil([&] { return reported.has_value(); }, kDeadline);
  CHECK_EQ_MSG(messageText(reported), messageText(mouseMessage),
               "the program hears " + std::to_string(mouseMessage) + " from the hidden hook");
  tray.Callback = nullptr;
}

}  // namespace

void runTrayChecks(HINSTANCE instance) {
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32Ui ui(instance, libraries);
  HookForm form(ui);
  vl::win32::ShellTrayIcon tray(instance, kIconResource, libraries);

  std::string unloaded = tray.add(form.pichook, "Varilume SE", 96);
  CHECK_MSG(!unloaded.empty() && !tray.shown(), "a hook without a window is refused",
            addedText(unloaded, tray));

  CHECK_MSG(form.load(), "the holder form loads", "it did not");
  HWND hook = vl::win32::windowOf(form.pichook);
  CHECK_MSG(hook != nullptr && !IsWindowVisible(hook), "the hidden hook has a window",
            !hook ? "no window" : "a visible window");
  std::string added = tray.add(form.pichook, "Varilume SE", 96);
  CHECK_MSG(added.empty() && tray.shown(), "the icon is handed to the shell",
            addedText(added, tray));
  std::string answer = tray.added();
  CHECK_MSG(answer.empty(), "the shell takes it", reason(answer));
  checkShellCallback(hook);
  checkCallback(tray, hook, vl::tray::RightUp);
  checkCallback(tray, hook, vl::tray::LeftDoubleClick);

  // A tip longer than the record holds is cut, not refused.
  std::string again = tray.add(form.pichook, std::string(100, 'x') + "\xC3\xA9", 96);
  CHECK_MSG(again.empty() && tray.shown(), "the icon is added again with a long tip",
            addedText(again, tray));

  tray.remove();
  CHECK_EQ_MSG(tray.shown(), false, "the icon is removed");
  CHECK_MSG(pumpUntil([] { return wineTrayIcon() == nullptr; }, kDeadline), "it leaves Wine's tray",
            "its icon window is still there");
  tray.remove();
  CHECK_EQ_MSG(tray.shown(), false, "removing it again is harmless");
  form.unload();
}

}  // namespace pc
