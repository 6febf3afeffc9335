// The place and size of a form's window as the program sees them, in twips
// of the system's DPI, and as the window has them, in pixels of its own.
#include <windows.h>

#include "platform/win32/windows/peer.h"
#include "platform/win32/windows/ui.h"

namespace vl::win32 {

namespace {

POINT middle(const ScreenRect& r) {
  return {r.left + r.width() / 2, r.top + r.height() / 2};
}

// Every control with a window takes the new size and font.
void relayOut(Control& container) {
  for (Control* c : container.children()) {
    if (WindowPeer* peer = windowPeerOf(*c)) {
      peer->sync(Prop::Bounds);
      peer->sync(Prop::Style);
    }
    relayOut(*c);
  }
}

}  // namespace

void placeOnItsMonitor(FormPeer& form) {
  const Control& c = *form.control();
  Scale system = form.ui().systemScale();
  ScreenRect seen{system.toPixels(c.left()), system.toPixels(c.top()),
                  system.toPixels(c.left() + c.width()), system.toPixels(c.top() + c.height())};
  MonitorSeen m = monitorNear(middle(seen), DpiMode::System);
  ScreenRect own = mapRect(seen, m.system, m.own);
  ThreadDpiScope counted(DpiMode::PerMonitor);
  SetWindowPos(form.hwnd(), nullptr, own.left, own.top, own.width(), own.height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void learnPlace(FormPeer& form) {
  ThreadDpiScope counted(form.perMonitor ? DpiMode::PerMonitor : DpiMode::System);
  RECT r;
  GetWindowRect(form.hwnd(), &r);
  ScreenRect at = screenRect(r);
  if (form.perMonitor) {
    MonitorSeen m = monitorNear(middle(at), DpiMode::PerMonitor);
    at = mapRect(at, m.own, m.system);
  }
  Scale system = form.ui().systemScale();
  static_cast<Form&>(*form.control())
      .setActualBounds(system.toTwips(at.left), system.toTwips(at.top), system.toTwips(at.width()),
                       system.toTwips(at.height()));
}

void followNewDpi(FormPeer& form, int dpi, const RECT& suggested) {
  if (!form.perMonitor || dpi <= 0 || dpi == form.dpi) return;
  form.dpi = dpi;
  ThreadDpiScope counted(DpiMode::PerMonitor);
  relayOut(*form.control());
  SetWindowPos(form.hwnd(), nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vl::win32
