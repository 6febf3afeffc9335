// The file-open dialog, driven from a second thread as a user would: find it
// by its title, type a path and press OK, or press Cancel.
#include <atomic>

#include "check.h"
#include "platform/win32/open_file_dialog.h"
#include "platform/win32/text.h"
#include "platform/win32/ui.h"
#include "samples.h"

namespace check {

namespace {

constexpr ULONGLONG kFindDeadline = 60000;  // the first dialog loads the shell's libraries

constexpr int kFileNameCombo = 0x47C;  // Explorer style
constexpr int kFileNameEdit = 0x480;   // the older style

struct Driver {
  std::wstring title;
  std::wstring typed;  // empty: press Cancel
  std::atomic<bool> found{false}, typedIn{false};

  static DWORD WINAPI start(void* self) {
    static_cast<Driver*>(self)->run();
    return 0;
  }

  void run() {
    ULONGLONG deadline = GetTickCount64() + kFindDeadline;
    HWND dialog = nullptr;
    while (!dialog && GetTickCount64() < deadline) {
      dialog = FindWindowW(L"#32770", title.c_str());
      if (!dialog) Sleep(50);
    }
    if (!dialog) return;
    found = true;
    if (typed.empty()) {
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return;
    }
    HWND name = GetDlgItem(dialog, kFileNameCombo);
    if (!name) name = GetDlgItem(dialog, kFileNameEdit);
    if (name) {
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
      typedIn = true;
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  }
};

std::optional<std::string> drive(Tally& t, vl::Form* owner, const std::string& title,
                                 const std::string& typed, const std::string& folder) {
  Driver driver;
  driver.title = vl::win32::widen(title);
  driver.typed = vl::win32::widen(typed);
  // A plain system thread: this compiler's library has no std::thread here.
  HANDLE thread = CreateThread(nullptr, 0, &Driver::start, &driver, 0, nullptr);
  vl::win32::Win32FileDialog dialog;
  auto chosen = dialog.open(owner, {title, "Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*", folder});
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  t.expect(driver.found, "the dialog \"" + title + "\" appears");
  if (!typed.empty()) t.expect(driver.typedIn, "its file name box takes the path");
  return chosen;
}

bool samePath(const std::string& a, const std::string& b) {
  return CompareStringOrdinal(vl::win32::widen(a).c_str(), -1, vl::win32::widen(b).c_str(), -1,
                              TRUE) == CSTR_EQUAL;
}

}  // namespace

void runDialogChecks(Tally& t, HINSTANCE instance, const std::string& folder) {
  std::string sample = folder + "chosen.bmp";
  t.expect(writeFile(sample, bmp24BottomUp(4, 4)), "chosen.bmp written");

  auto cancelled = drive(t, nullptr, "Check: cancel", "", folder);
  t.expect(!cancelled, "Cancel returns nothing", cancelled ? *cancelled : "");

  auto chosen = drive(t, nullptr, "Check: open", sample, folder);
  t.expect(chosen && samePath(*chosen, sample), "OK returns the typed path",
           chosen ? *chosen : "nothing");

  // A bare name is looked for in the initial folder.
  wchar_t before[MAX_PATH] = {}, after[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);
  auto named = drive(t, nullptr, "Check: by name", "chosen.bmp", folder);
  t.expect(named && samePath(*named, sample), "a bare name is found in the initial folder",
           named ? *named : "nothing");
  GetCurrentDirectoryW(MAX_PATH, after);
  t.expect(std::wstring(before) == after, "the current directory stays where it was",
           vl::win32::narrow(after));

  // Owned by a loaded (hidden) form.
  vl::win32::Win32Ui ui(instance);
  vl::Form owner(ui, "Form1", "Owner", 3000, 2000);
  owner.load();
  auto owned = drive(t, &owner, "Check: owned", sample, folder);
  t.expect(owned && samePath(*owned, sample), "an owned dialog returns the typed path",
           owned ? *owned : "nothing");
  owner.unload();
}

}  // namespace check
