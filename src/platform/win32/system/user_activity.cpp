#include "platform/win32/system/user_activity.h"

#include <windows.h>

namespace vl::win32 {

LocalTime Win32Activity::now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::int64_t Win32Activity::idleMilliseconds() {
  LASTINPUTINFO info{};
  info.cbSize = sizeof info;
  if (!GetLastInputInfo(&info)) return 0;
  // Both in the same 32-bit tick count, which wraps after 49 days.
  return static_cast<DWORD>(GetTickCount() - info.dwTime);
}

bool Win32Activity::fullScreenInFront() {
  HWND front = GetForegroundWindow();
  if (!front || front == GetDesktopWindow() || front == GetShellWindow() ||
      !IsWindowVisible(front) || IsIconic(front))
    return false;
  wchar_t cls[32] = {};
  GetClassNameW(front, cls, 32);
  // The desktop's own windows cover the screen but show nothing that runs.
  if (lstrcmpW(cls, L"Progman") == 0 || lstrcmpW(cls, L"WorkerW") == 0) return false;
  RECT window;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetWindowRect(front, &window) ||
      !GetMonitorInfoW(MonitorFromWindow(front, MONITOR_DEFAULTTONEAREST), &monitor))
    return false;
  const RECT& m = monitor.rcMonitor;
  return window.left <= m.left && window.top <= m.top && window.right >= m.right &&
         window.bottom >= m.bottom;
}

}  // namespace vl::win32
