#include "platform/win32/windows/dpi_context.h"

namespace vl::win32 {

namespace {

// The awareness contexts are pseudo-handles; their values are fixed.
const HANDLE kSystemAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-2));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

using SetContext = HANDLE(WINAPI*)(HANDLE);
using DpiForWindow = UINT(WINAPI*)(HWND);

struct DpiFunctions {
  SetContext setThreadContext = nullptr;
  DpiForWindow dpiForWindow = nullptr;
  HANDLE perMonitor = nullptr;  // the best per-monitor context the system takes
};

const DpiFunctions& functions() {
  static const DpiFunctions found = [] {
    DpiFunctions f;
    // user32 is loaded already: the program is linked against it.
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
      f.setThreadContext = reinterpret_cast<SetContext>(
          reinterpret_cast<void (*)()>(GetProcAddress(user, "SetThreadDpiAwarenessContext")));
      f.dpiForWindow = reinterpret_cast<DpiForWindow>(
          reinterpret_cast<void (*)()>(GetProcAddress(user, "GetDpiForWindow")));
    }
    // Version 2 also scales the frame and the standard controls' own parts;
    // a system without it (Wine 8) refuses it, and takes the first version,
    // where the program lays out and sizes the text itself as well.
    for (HANDLE context : {kPerMonitorAwareV2, kPerMonitorAware}) {
      if (!f.setThreadContext || f.perMonitor) break;
      if (HANDLE before = f.setThreadContext(context)) {
        f.setThreadContext(before);
        f.perMonitor = context;
      }
    }
    return f;
  }();
  return found;
}

bool inUse = false;

}  // namespace

bool perMonitorDpiAvailable() {
  return functions().perMonitor && functions().dpiForWindow;
}

bool perMonitorDpiInUse() {
  return inUse;
}

void startUsingPerMonitorDpi() {
  inUse = perMonitorDpiAvailable();
}

ThreadDpiScope::ThreadDpiScope(DpiMode mode) {
  if (!inUse) return;
  previous_ = functions().setThreadContext(mode == DpiMode::PerMonitor ? functions().perMonitor
                                                                       : kSystemAware);
}

ThreadDpiScope::~ThreadDpiScope() {
  if (previous_) functions().setThreadContext(previous_);
}

int windowDpi(HWND hwnd, int fallback) {
  if (!perMonitorDpiAvailable()) return fallback;
  UINT dpi = functions().dpiForWindow(hwnd);
  return dpi > 0 ? static_cast<int>(dpi) : fallback;
}

MonitorSeen monitorNear(POINT at, DpiMode mode) {
  HMONITOR monitor;
  {
    ThreadDpiScope counted(mode);
    monitor = MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST);
  }
  MonitorSeen seen;
  for (DpiMode way : {DpiMode::System, DpiMode::PerMonitor}) {
    ThreadDpiScope counted(way);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) continue;
    (way == DpiMode::System ? seen.system : seen.own) = screenRect(info.rcMonitor);
  }
  // A monitor not found either way maps nothing: both ways the same.
  if (seen.system.width() <= 0) seen.system = seen.own;
  if (seen.own.width() <= 0) seen.own = seen.system;
  return seen;
}

}  // namespace vl::win32
