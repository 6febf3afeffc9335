// The Windows program: the real back end under the portable program.
#include <windows.h>

#include "app/app.h"
#include "platform/win32/mci_device.h"
#include "platform/win32/open_file_dialog.h"
#include "platform/win32/shell_tray_icon.h"
#include "platform/win32/system_services.h"
#include "platform/win32/text.h"
#include "platform/win32/ui.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  vl::win32::Win32Ui ui(instance);
  vl::win32::Win32FileSystem fs;
  vl::win32::AnsiCodec codec;
  vl::win32::Win32Launcher launcher;
  vl::ClockRandom random;
  vl::win32::MciDevices media;
  vl::win32::ShellTrayIcon tray(instance, 1);
  vl::win32::Win32FileDialog fileDialog;
  vl::Services services{
      ui, fs, codec, launcher, random, media, tray, fileDialog, vl::win32::narrow(commandLine)};
  // Quit closes every window and ends the loop; the program then returns here.
  vl::App app(services);
  app.start();
  return ui.run();
}
