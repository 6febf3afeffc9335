// The window procedures: window messages become the controls' events through
// the homes of their kinds.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/keyboard_order.h"
#include "platform/win32/windows/accessible.h"
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/windows/window_internal.h"

namespace vl::win32 {

namespace {

// A child's control, found through its parent's owner: the child may be a
// window we did not make (a combo box's own edit or list).
Control* controlOf(const WindowPeer& parent, HWND hwnd) {
  WindowPeer* p = parent.ui().peerOf(hwnd);
  return p ? p->control() : nullptr;
}

// The peer of a child that still has its control.
WindowPeer* livePeer(const WindowPeer& parent, HWND hwnd) {
  WindowPeer* p = hwnd ? parent.ui().peerOf(hwnd) : nullptr;
  return p && p->control() ? p : nullptr;
}

int twipsX(WindowPeer& p, LPARAM lp) {
  return p.scale().toTwips(GET_X_LPARAM(lp));
}
int twipsY(WindowPeer& p, LPARAM lp) {
  return p.scale().toTwips(GET_Y_LPARAM(lp));
}

HBRUSH colorChild(WindowPeer& parent, HDC dc, HWND child, bool edit) {
  Control* c = controlOf(parent, child);
  if (!c) c = controlOf(parent, GetParent(child));  // a combo box's own edit or list
  if (!c) return nullptr;
  COLORREF back = c->backColor() ? toColor(*c->backColor())
                  : edit         ? GetSysColor(COLOR_WINDOW)
                                 : backgroundOf(c->parent());
  COLORREF fore = c->foreColor() ? toColor(*c->foreColor())
                                 : GetSysColor(edit ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
  SetBkColor(dc, back);
  SetTextColor(dc, fore);
  return parent.ui().brush(back);
}

// Messages that children send to their parent, handed to the child's home.
bool handleChildMessage(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      WindowPeer* child = livePeer(peer, reinterpret_cast<HWND>(lp));
      if (!child || !child->home().command(*child, HIWORD(wp))) return false;
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      WindowPeer* child = livePeer(peer, header->hwndFrom);
      if (!child || !child->home().notify(*child, *header)) return false;
      result = 0;
      return true;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      WindowPeer* child = livePeer(peer, reinterpret_cast<HWND>(lp));
      if (!child || !child->home().scroll(*child, wp)) return false;
      result = 0;
      return true;
    }
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      WindowPeer* child = livePeer(peer, d->hwndItem);
      if (!child || !child->home().drawItem(*child, *d)) return false;
      result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      // Sent while the list is being created, before it has a peer: owner-drawn
      // lists have items one line of 240 twips high.
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      m->itemHeight = static_cast<UINT>(peer.scale().toPixels(240));
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR: {
      HBRUSH b = colorChild(peer, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp),
                            msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX);
      if (!b) return false;
      result = reinterpret_cast<LRESULT>(b);
      return true;
    }
    default:
      return false;
  }
}

// The wheel, for a control that uses it; the others pass it to their parent.
bool reportWheel(WindowPeer& peer, WPARAM wp, LPARAM lp) {
  int notches = GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA;
  if (notches == 0) return false;
  WORD keys = GET_KEYSTATE_WPARAM(wp);
  POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};  // on the screen
  ScreenToClient(peer.hwnd(), &at);
  Scale s = peer.scale();
  return peer.control()->userWheel(notches, (keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0,
                                   s.toTwips(at.x), s.toTwips(at.y));
}

// Mouse and key input that every control reports to the program.
void reportInput(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp) {
  Control* c = peer.control();
  switch (msg) {
    case WM_MOUSEMOVE: {
      // The system also says the pointer moved when only the windows under it
      // changed (one closed, one appeared): that is no move of the user's,
      // and must not replace what the status bar says with a help text. A
      // move posted to a hidden window (the notification icon's messages) or
      // away from the pointer is no pointer's and is always passed on.
      POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      ClientToScreen(peer.hwnd(), &at);
      DWORD pointer = GetMessagePos();
      if (IsWindowVisible(peer.hwnd()) && at.x == GET_X_LPARAM(pointer) &&
          at.y == GET_Y_LPARAM(pointer) && !peer.ui().pointerMovedTo(at))
        break;
      c->userMouseMove(twipsX(peer, lp), twipsY(peer, lp));
      break;
    }
    case WM_RBUTTONDOWN:
      c->userMouseDown(2, twipsX(peer, lp), twipsY(peer, lp));
      break;
    case WM_KEYDOWN:
      c->userKeyDown(keyCode(wp));
      break;
    default:
      break;
  }
}

void paintOwn(WindowPeer& peer, HDC dc) {
  RECT rc;
  GetClientRect(peer.hwnd(), &rc);
  FillRect(dc, &rc, peer.ui().brush(backgroundOf(peer.control())));
  peer.home().paint(peer, dc, rc);
}

}  // namespace

LRESULT CALLBACK ownWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPeer* peer = WindowPeer::of(hwnd);
  if (!peer || !peer->control()) {
    if (msg == WM_NCDESTROY) delete peer;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  if (msg == WM_GETOBJECT && answerAccessibleObject(*peer, wp, lp, result)) return result;
  if (handleChildMessage(*peer, msg, wp, lp, result)) return result;
  if (peer->home().message(*peer, msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    // The font its caption is drawn in, as a standard control answers.
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(peer->ui().font(peer->control()->font(), peer->scale().dpi));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      paintOwn(*peer, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    // A click is a press and a release on the same window, which keeps the
    // mouse meanwhile: a release that ends a press elsewhere (the second
    // click of a double click that moved this window under the pointer) is none.
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      peer->control()->userLeftDown();
      return DefWindowProcW(hwnd, msg, wp, lp);
    case WM_LBUTTONUP: {
      RECT client;
      GetClientRect(hwnd, &client);
      bool over = PtInRect(&client, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != 0;
      if (GetCapture() == hwnd) ReleaseCapture();
      peer->control()->userLeftUp(over);
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      SetCapture(hwnd);
      peer->control()->userLeftDown();
      peer->control()->userDblClick();
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a press.
      if (lp && reinterpret_cast<HWND>(lp) != hwnd) peer->control()->userLeftUp(false);
      return 0;
    case WM_MOUSEMOVE:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
      reportInput(*peer, msg, wp, lp);
      return 0;
    case WM_MOUSEWHEEL:
      if (reportWheel(*peer, wp, lp)) return 0;
      return DefWindowProcW(hwnd, msg, wp, lp);
    case WM_NCDESTROY:
      delete peer;
      return DefWindowProcW(hwnd, msg, wp, lp);
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

LRESULT CALLBACK standardControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPeer* peer = WindowPeer::of(hwnd);
  if (!peer) return DefWindowProcW(hwnd, msg, wp, lp);
  WNDPROC original = peer->original;
  if (msg == WM_NCDESTROY) {
    LRESULT r = CallWindowProcW(original, hwnd, msg, wp, lp);
    delete peer;
    return r;
  }
  if (peer->control()) {
    LRESULT result = 0;
    if (msg == WM_GETOBJECT && answerAccessibleObject(*peer, wp, lp, result)) return result;
    if (handleChildMessage(*peer, msg, wp, lp, result)) return result;
    if (peer->home().message(*peer, msg, wp, lp, result)) return result;
    if (msg == WM_MOUSEWHEEL && reportWheel(*peer, wp, lp)) return 0;
    reportInput(*peer, msg, wp, lp);
  }
  return CallWindowProcW(original, hwnd, msg, wp, lp);
}

std::vector<Control*> tabStops(Control& form) {
  std::vector<Control*> stops = tabOrder(form);
  std::erase_if(stops, [](Control* c) { return windowPeerOf(*c) == nullptr; });
  return stops;
}

void settleFocus(WindowPeer& changed, bool raised) {
  HWND focus = GetFocus();
  HWND root = GetAncestor(changed.hwnd(), GA_ROOT);
  if (!focus || !root || GetAncestor(focus, GA_ROOT) != root) return;
  bool focusInside = focus == changed.hwnd() || IsChild(changed.hwnd(), focus);
  // Only a change round the focus can strand it; a raised control takes it.
  if (!raised && !focusInside) return;
  WindowPeer* formPeer = changed.ui().peerOf(root);
  if (!formPeer || !formPeer->control() || focus == root) return;
  std::vector<Control*> stops = tabStops(*formPeer->control());
  auto inside = std::find_if(stops.begin(), stops.end(), [&](Control* c) {
    for (Control* p = c; p; p = p->parent())
      if (p == changed.control()) return true;
    return false;
  });
  // A view or panel brought over the page takes the focus, as a window that opens does.
  if (raised && !focusInside && inside != stops.end()) {
    SetFocus(windowPeerOf(**inside)->hwnd());
    return;
  }
  // A window of a control's own (a combo box's edit) stands for the control.
  HWND owner = changed.ui().peerOf(focus) ? focus : GetParent(focus);
  if (std::any_of(stops.begin(), stops.end(),
                  [&](Control* c) { return windowPeerOf(*c)->hwnd() == owner; }))
    return;
  if (inside != stops.end())
    SetFocus(windowPeerOf(**inside)->hwnd());
  else
    SetFocus(stops.empty() ? root : windowPeerOf(*stops.front())->hwnd());
}

bool inSight(const Control& c) {
  const Control* parent = c.parent();
  // A parent of no size yet (a form before its window) hides nothing.
  if (!parent || parent->innerWidth() <= 0 || parent->innerHeight() <= 0) return true;
  // A form's frame is no room for its controls: a view parked just right of
  // the client area is out of sight.
  return c.left() < parent->innerWidth() && c.top() < parent->innerHeight() &&
         c.left() + c.width() > 0 && c.top() + c.height() > 0;
}

bool shownInParent(const Control& c) {
  if (!c.visible()) return false;
  return !c.parent() || c.parent()->showsChild(c);
}

// The tab control's pages, and frames and panels without a colour of their
// own, are drawn in their window's colour.
COLORREF backgroundOf(const Control* c) {
  for (; c; c = c->parent())
    if (c->backColor()) return toColor(*c->backColor());
  return GetSysColor(COLOR_BTNFACE);
}

}  // namespace vl::win32
