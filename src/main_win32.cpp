// The Windows program: the real back end under the portable program.
#include <windows.h>

#include "app/app.h"
#include "platform/win32/backend.h"
#include "platform/win32/system/text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  // Ends after the program: the windows, devices and libraries the program
  // left behind are freed before this returns.
  vl::win32::Backend backend(instance, vl::win32::narrow(commandLine));
  // Quit closes every window and ends the loop; the program then returns here.
  vl::App app(backend.services());
  app.start();
  return backend.run();
}
