// The window procedures: window messages become the controls' events.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/peer.h"
#include "platform/win32/text.h"
#include "platform/win32/window_internal.h"

namespace vl::win32 {

namespace {

Control* controlOf(HWND hwnd) {
  WindowPeer* p = WindowPeer::of(hwnd);
  return p ? p->control() : nullptr;
}

int twipsX(WindowPeer& p, LPARAM lp) {
  return p.ui().toTwips(GET_X_LPARAM(lp));
}
int twipsY(WindowPeer& p, LPARAM lp) {
  return p.ui().toTwips(GET_Y_LPARAM(lp));
}

HBRUSH colorChild(WindowPeer& parent, HDC dc, HWND child, bool edit) {
  Control* c = controlOf(child);
  if (!c) c = controlOf(GetParent(child));  // a combo box's own edit or list
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

// A child's notification, turned into the control's event.
bool dispatchCommand(Control& c, HWND child, UINT code) {
  switch (c.kind()) {
    case ControlKind::Label:  // STN_CLICKED, STN_DBLCLK
      if (code == STN_CLICKED) c.userClick();
      if (code == STN_DBLCLK) c.userDblClick();
      return code == STN_CLICKED || code == STN_DBLCLK;
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      if (code != BN_CLICKED) return false;
      c.userClick();
      return true;
    case ControlKind::TextBox: {
      if (code != EN_CHANGE) return false;
      int n = GetWindowTextLengthW(child);
      std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
      text.resize(static_cast<std::size_t>(GetWindowTextW(child, text.data(), n + 1)));
      c.userEdit(narrow(text));
      return true;
    }
    case ControlKind::DriveList:
      if (code != CBN_SELCHANGE) return false;
      static_cast<ListControl&>(c).userSelect(
          static_cast<int>(SendMessageW(child, CB_GETCURSEL, 0, 0)));
      return true;
    case ControlKind::DirList:
    case ControlKind::FileList:
      if (code == LBN_SELCHANGE)
        static_cast<ListControl&>(c).userSelect(
            static_cast<int>(SendMessageW(child, LB_GETCURSEL, 0, 0)));
      else if (code == LBN_DBLCLK)
        c.userDblClick();
      else
        return false;
      return true;
    default:
      return false;
  }
}

// A directory list item: indented, with an open or closed folder before its name.
void drawDirectoryItem(WindowPeer& parent, const DRAWITEMSTRUCT& d) {
  Control* c = controlOf(d.hwndItem);
  if (!c || d.itemID == static_cast<UINT>(-1)) return;
  const auto& items = static_cast<ListControl*>(c)->items();
  if (d.itemID >= items.size()) return;
  const ListItem& item = items[d.itemID];
  Win32Ui& ui = parent.ui();
  bool selected = (d.itemState & ODS_SELECTED) != 0;
  COLORREF back = selected         ? GetSysColor(COLOR_HIGHLIGHT)
                  : c->backColor() ? toColor(*c->backColor())
                                   : GetSysColor(COLOR_WINDOW);
  COLORREF fore = selected         ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                  : c->foreColor() ? toColor(*c->foreColor())
                                   : GetSysColor(COLOR_WINDOWTEXT);
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  FillRect(dc, &r, ui.brush(back));
  int unit = ui.toPixels(120);
  int x = r.left + 2 + item.indent * unit;
  int h = r.bottom - r.top;
  // The folder: a body with a tab; an open one is drawn lighter.
  RECT body{x, r.top + h / 4, x + unit + unit / 3, r.bottom - h / 6};
  RECT tab{x, body.top - h / 8, x + unit / 2, body.top + 1};
  HBRUSH folder = ui.brush(item.open ? RGB(255, 232, 140) : RGB(224, 184, 64));
  FillRect(dc, &tab, folder);
  FillRect(dc, &body, folder);
  FrameRect(dc, &body, ui.brush(RGB(128, 96, 0)));
  RECT text{body.right + 4, r.top, r.right, r.bottom};
  std::wstring name = widen(item.text);
  HGDIOBJ old = SelectObject(dc, ui.font(c->font()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, fore);
  DrawTextW(dc, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

// Messages that children send to their parent: clicks, edits, tab changes, colours.
bool handleChildMessage(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      HWND child = reinterpret_cast<HWND>(lp);
      if (!child) return false;
      Control* c = controlOf(child);
      if (!c) return false;
      if (!dispatchCommand(*c, child, HIWORD(wp))) return false;
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      Control* c = controlOf(header->hwndFrom);
      if (!c || c->kind() != ControlKind::TabStrip || header->code != TCN_SELCHANGE) return false;
      c->setValue(static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      result = 0;
      return true;
    }
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (d->CtlType != ODT_LISTBOX) return false;
      drawDirectoryItem(peer, *d);
      result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      m->itemHeight = static_cast<UINT>(peer.ui().toPixels(240));
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
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

// Mouse and key input that every control reports to the program.
void reportInput(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp) {
  Control* c = peer.control();
  if (!c) return;
  switch (msg) {
    case WM_MOUSEMOVE:
      c->userMouseMove(twipsX(peer, lp), twipsY(peer, lp));
      break;
    case WM_RBUTTONDOWN:
      c->userMouseDown(2, twipsX(peer, lp), twipsY(peer, lp));
      break;
    case WM_KEYDOWN:
      c->userKeyDown(static_cast<int>(wp));
      break;
    default:
      break;
  }
}

void paintFrame(WindowPeer& peer, HDC dc, RECT rc) {
  Control& c = *peer.control();
  HGDIOBJ oldFont = SelectObject(dc, peer.ui().font(c.font()));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  RECT edge = rc;
  edge.top = tm.tmHeight / 2;
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  std::wstring caption = widen(c.text());
  if (!caption.empty()) {
    int inset = peer.ui().toPixels(120);
    RECT text{inset, 0, rc.right - inset, tm.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    text.left -= 2;
    text.right += 2;
    FillRect(dc, &text, peer.ui().brush(backgroundOf(&c)));
    text.left += 2;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(c.enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
  }
  SelectObject(dc, oldFont);
}

void paintImage(WindowPeer& peer, HDC dc, RECT rc) {
  if (!peer.picture) return;
  BITMAP bm{};
  GetObjectW(peer.picture, sizeof bm, &bm);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, peer.picture);
  if (peer.control()->stretch()) {
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
  }
  SelectObject(mem, old);
  DeleteDC(mem);
}

void paintOwn(WindowPeer& peer, HDC dc) {
  RECT rc;
  GetClientRect(peer.hwnd(), &rc);
  Control& c = *peer.control();
  FillRect(dc, &rc, peer.ui().brush(backgroundOf(&c)));
  switch (c.kind()) {
    case ControlKind::Panel:
      DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
      break;
    case ControlKind::Frame:
      paintFrame(peer, dc, rc);
      break;
    case ControlKind::ImageBox:
      paintImage(peer, dc, rc);
      break;
    default:
      break;
  }
}

// A form gives the focus back to the control that had it, or to the first in tab order.
void restoreFocus(WindowPeer& peer) {
  if (peer.lastFocus && IsWindow(peer.lastFocus) && IsChild(peer.hwnd(), peer.lastFocus) &&
      IsWindowVisible(peer.lastFocus) && IsWindowEnabled(peer.lastFocus)) {
    SetFocus(peer.lastFocus);
    return;
  }
  std::vector<Control*> stops = tabStops(*peer.control());
  if (!stops.empty()) SetFocus(static_cast<WindowPeer*>(stops.front()->peer())->hwnd());
}

LRESULT formMessage(WindowPeer& peer, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  auto* form = static_cast<Form*>(peer.control());
  handled = true;
  switch (msg) {
    case WM_CLOSE:
      form->userCloseRequest();
      return 0;
    case WM_ENDSESSION:
      if (wp) form->userCloseRequest();
      return 0;
    case WM_COMMAND:
      if (lp == 0) {
        if (MenuItem* item = peer.ui().menuCommand(LOWORD(wp))) item->userClick();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) peer.lastFocus = focus;
      } else {
        restoreFocus(peer);
      }
      return 0;
    case WM_MOVE:
    case WM_SIZE: {
      RECT r;
      GetWindowRect(hwnd, &r);
      Win32Ui& ui = peer.ui();
      form->setActualBounds(ui.toTwips(r.left), ui.toTwips(r.top), ui.toTwips(r.right - r.left),
                            ui.toTwips(r.bottom - r.top));
      break;
    }
    default:
      break;
  }
  handled = false;
  return 0;
}

}  // namespace

LRESULT CALLBACK ownWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPeer* peer = WindowPeer::of(hwnd);
  if (!peer || !peer->control()) {
    if (msg == WM_NCDESTROY) delete peer;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  if (handleChildMessage(*peer, msg, wp, lp, result)) return result;
  if (peer->control()->kind() == ControlKind::Form) {
    bool handled = false;
    LRESULT r = formMessage(*peer, hwnd, msg, wp, lp, handled);
    if (handled) return r;
  }
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      paintOwn(*peer, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_LBUTTONUP:
      peer->control()->userClick();
      return 0;
    case WM_LBUTTONDBLCLK:
      peer->control()->userDblClick();
      return 0;
    case WM_MOUSEMOVE:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
      reportInput(*peer, msg, wp, lp);
      return 0;
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
    if (handleChildMessage(*peer, msg, wp, lp, result)) return result;
    if (msg == WM_KEYDOWN && wp == VK_RETURN &&
        peer->control()->kind() == ControlKind::CommandButton) {
      peer->control()->userClick();
      return 0;
    }
    reportInput(*peer, msg, wp, lp);
  }
  return CallWindowProcW(original, hwnd, msg, wp, lp);
}

std::vector<Control*> tabStops(Control& form) {
  std::vector<Control*> stops;
  std::vector<Control*> pending{&form};
  while (!pending.empty()) {
    Control* c = pending.back();
    pending.pop_back();
    for (Control* child : c->children()) {
      if (child->focusable() && child->peer()) stops.push_back(child);
      pending.push_back(child);
    }
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
  return stops;
}

bool shownInParent(const Control& c) {
  if (!c.visible()) return false;
  const Control* parent = c.parent();
  return !(parent && parent->kind() == ControlKind::TabStrip && c.tabPage() >= 0 &&
           parent->value() != c.tabPage());
}

COLORREF backgroundOf(const Control* c) {
  for (; c; c = c->parent()) {
    if (c->backColor()) return toColor(*c->backColor());
    if (c->kind() == ControlKind::TabStrip) break;
  }
  return GetSysColor(COLOR_BTNFACE);
}

}  // namespace vl::win32
