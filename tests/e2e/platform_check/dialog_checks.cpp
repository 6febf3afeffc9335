// The file-open dialog, driven from a second thread as a user would: find it
// by its title, type a path and press OK, or press Cancel.
#include <atomic>
#include <optional>
#include <string>
#include <ostream>

#include "platform/win32/shell/open_file_dialog.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/ui.h"
#include "samples.h"
#include "services.h"

namespace pc {

namespace {

constexpr ULONGLONG kFindDeadline = 60000;  // the first dialog loads the shell's libraries

constexpr int kFileNameCombo = 0x47C;  // Explorer style
constexpr int kFileNameEdit = 0x480;   // the older style

// Why the last file dialog failed, from the library the program loaded.
unsigned long dialogError() {
  HMODULE library = GetModuleHandleW(L"comdlg32.dll");
  if (!library) return 0;
  auto plain = reinterpret_cast<void (*)()>(GetProcAddress(library, "CommDlgExtendedError"));
  auto error = reinterpret_cast<DWORD(WINAPI*)()>(plain);
  return error ? error() : 0;
}

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

std::optional<std::string> drive(vl::Ui& ui, vl::Form* owner, const std::string& title,
                                 const std::string& typed, const std::string& folder) {
  Driver driver;
  driver.title = vl::win32::widen(title);
  driver.typed = vl::win32::widen(typed);
  // A plain system thread: this compiler's library has no std::thread here.
  HANDLE thread = CreateThread(nullptr, 0, &Driver::start, &driver, 0, nullptr);
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32FileDialog dialog(libraries);
  auto chosen =
      dialog.open(ui, owner, {title, "Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*", folder});
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  CHECK_MSG(driver.found, "the dialog \"" + title + "\" appears",
            "no such window in 60 s; the dialog's error code: " + std::to_string(dialogError()));
  if (!typed.empty())
    CHECK_MSG(driver.typedIn, "its file name box takes the path",
              driver.found ? "no file name box" : "no dialog");
  return chosen;
}

bool samePath(const std::string& a, const std::string& b) {
  return CompareStringOrdinal(vl::win32::widen(a).c_str(), -1, vl::win32::widen(b).c_str(), -1,
                              TRUE) == CSTR_EQUAL;
}

// What a dialog returned: the same as another path in any case, or nothing.
struct Chosen {
  std::optional<std::string> path;
  bool operator==(const Chosen& other) const {
    if (!path || !other.path) return !path && !other.path;
    return samePath(*path, *other.path);
  }
};

std::ostream& operator<<(std::ostream& out, const Chosen& c) {
  return out << (c.path ? "\"" + *c.path + "\"" : "nothing");
}

}  // namespace

void runDialogChecks(HINSTANCE instance, const std::string& folder) {
  std::string sample = folder + "chosen.bmp";
  CHECK_EQ_MSG(writeFile(sample, bmp24BottomUp(4, 4)), true, "chosen.bmp written");

  vl::win32::SystemLibraries libraries;
  vl::win32::Win32Ui ui(instance, libraries);
  auto cancelled = drive(ui, nullptr, "Check: cancel", "", folder);
  CHECK_EQ_MSG(Chosen{cancelled}, Chosen{}, "Cancel returns nothing");

  auto chosen = drive(ui, nullptr, "Check: open", sample, folder);
  CHECK_EQ_MSG(Chosen{chosen}, Chosen{sample}, "OK returns the typed path");

  // A bare name is looked for in the initial folder.
  wchar_t before[MAX_PATH] = {}, after[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);
  auto named = drive(ui, nullptr, "Check: by name", "chosen.bmp", folder);
  CHECK_EQ_MSG(Chosen{named}, Chosen{sample}, "a bare name is found in the initial folder");
  GetCurrentDirectoryW(MAX_PATH, after);
  CHECK_MSG(std::wstring(before) == after,
            "the current directory stays where it was, " + vl::win32::narrow(before),
            vl::win32::narrow(after));

  // Owned by a loaded (hidden) form.
  vl::Form owner(ui, "Form1", "Owner", 3000, 2000);
  CHECK_MSG(owner.load(), "the owner form loads", "it did not");
  auto owned = drive(ui, &owner, "Check: owned", sample, folder);
  CHECK_MSG(!ui.busy(), "the program takes input again once the dialog has closed", "still busy");
  CHECK_EQ_MSG(Chosen{owned}, Chosen{sample}, "an owned dialog returns the typed path");
  owner.unload();
}

}  // namespace pc
