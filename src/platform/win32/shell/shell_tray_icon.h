// The notification-area icon through the shell (shell32, loaded when the
// icon is first shown). The shell takes its time over a new icon: it is
// handed over on a thread of its own while the windows go on being made.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "platform/tray_icon.h"
#include "platform/win32/system/owned_handle.h"

namespace vl::win32 {

class SystemLibraries;

class ShellTrayIcon : public TrayIcon {
 public:
  // The icon shown is the program's icon resource of this ID.
  ShellTrayIcon(HINSTANCE instance, int iconId, SystemLibraries& libraries)
      : instance_(instance), iconId_(iconId), libraries_(libraries) {}
  ~ShellTrayIcon() override { remove(); }
  ShellTrayIcon(const ShellTrayIcon&) = delete;
  ShellTrayIcon& operator=(const ShellTrayIcon&) = delete;
  // Waits until the shell has answered the last addition: "" when it took
  // the icon, else why not.
  std::string added();

 protected:
  std::string show(Control& hook, const std::string& tip) override;
  void hide(Control& hook) override;
  void retip(Control& hook, const std::string& tip) override;

 private:
  HINSTANCE instance_;
  int iconId_;
  SystemLibraries& libraries_;
  // What a thread hands over to the shell, and how the shell answered.
  struct Addition {
    SystemLibraries& libraries;
    NOTIFYICONDATAA data;  // the icon it names is icon_, which outlives the thread
    DWORD error = 0;
  };
  static DWORD WINAPI addOnThread(void* addition);

  HWND window_ = nullptr;
  IconHandle icon_;
  std::unique_ptr<Addition> adding_;
  KernelHandle thread_;  // handing adding_ over
};

}  // namespace vl::win32
