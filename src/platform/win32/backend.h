// Everything the Windows back end keeps while the program runs, in one owner
// that wWinMain makes first and ends last: the libraries it loads, the
// windows and what they share, and the services over the system.
#pragma once

#include <windows.h>

#include <string>

#include "platform/services.h"
#include "platform/win32/shell/instances.h"
#include "platform/win32/media/mci_device.h"
#include "platform/win32/shell/open_file_dialog.h"
#include "platform/win32/shell/shell_tray_icon.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/system_services.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/system/user_activity.h"
#include "platform/win32/system/thread_workers.h"

namespace vl::win32 {

class Backend {
 public:
  Backend(HINSTANCE instance, std::string commandLine);
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  Services& services() { return services_; }
  // Runs the message loop until the program ends.
  int run() { return ui_.run(); }

 private:
  // Made first and ended last: the others call into these libraries until
  // their own ends, the windows' included.
  SystemLibraries libraries_;
  Win32Ui ui_;
  Win32FileSystem fs_;
  AnsiCodec codec_;
  Win32Launcher launcher_;
  ClockRandom random_;
  MciDevices media_;
  ShellTrayIcon tray_;
  Win32FileDialog fileDialog_;
  Win32Instances instances_;
  Win32Activity activity_;
  Win32Workers workers_{ui_.posted()};
  Services services_;
};

}  // namespace vl::win32
