// The notification-area icon through the shell (shell32, loaded when the
// icon is first shown).
#pragma once

#include <windows.h>

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

 protected:
  std::string show(Control& hook, const std::string& tip) override;
  void hide(Control& hook) override;

 private:
  HINSTANCE instance_;
  int iconId_;
  SystemLibraries& libraries_;
  HWND window_ = nullptr;
  IconHandle icon_;
};

}  // namespace vl::win32
