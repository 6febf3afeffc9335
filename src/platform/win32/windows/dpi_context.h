// Twips to pixels at one DPI, and the DPI a thread counts its windows in.
// The program is aware of the system's DPI; a form that follows its monitor
// (the break windows) is made aware of each monitor's, so that it is drawn
// sharp at that monitor's own size instead of stretched by the system.
#pragma once

#include <windows.h>

#include "platform/monitor_mapping.h"

namespace vl::win32 {

struct Scale {
  int dpi = 96;
  int toPixels(int twips) const { return MulDiv(twips, dpi, 1440); }
  int toTwips(int pixels) const { return MulDiv(pixels, 1440, dpi); }
  // The pixels from a place to a place further on: edges that meet in twips
  // meet in pixels too, where two rounded lengths may not.
  int toPixelSpan(int start, int length) const {
    return toPixels(start + length) - toPixels(start);
  }
};

enum class DpiMode { System, PerMonitor };

// Whether this Windows can make a window aware of its monitor's DPI
// (Windows 10 1607 and later; Wine).
bool perMonitorDpiAvailable();
// Whether a window of the program follows its monitor: until then no thread
// is switched, and everything is counted at the system's DPI as before.
bool perMonitorDpiInUse();
void startUsingPerMonitorDpi();

// Counts the thread's windows in one mode while it lasts. A form made or
// changed in it is counted that way, whichever window's message runs.
class ThreadDpiScope {
 public:
  explicit ThreadDpiScope(DpiMode mode);
  ~ThreadDpiScope();
  ThreadDpiScope(const ThreadDpiScope&) = delete;
  ThreadDpiScope& operator=(const ThreadDpiScope&) = delete;

 private:
  HANDLE previous_ = nullptr;
};

// The DPI of the monitor a window that follows its monitor stands on.
int windowDpi(HWND hwnd, int fallback);

// The monitor nearest a point counted in `mode`, seen both ways.
struct MonitorSeen {
  ScreenRect system;  // in the system's DPI, as the program places forms
  ScreenRect own;     // in its own pixels
};
MonitorSeen monitorNear(POINT at, DpiMode mode);

inline ScreenRect screenRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace vl::win32
