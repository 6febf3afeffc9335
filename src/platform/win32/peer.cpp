#include "platform/win32/peer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "platform/win32/text.h"

namespace vl::win32 {

namespace {

constexpr wchar_t kNameProp[] = L"VarilumeName";
constexpr wchar_t kFormClass[] = L"VarilumeForm";
constexpr wchar_t kPanelClass[] = L"VarilumePanel";
constexpr wchar_t kFrameClass[] = L"VarilumeFrame";
constexpr wchar_t kImageClass[] = L"VarilumeImage";

COLORREF toColor(Rgb c) {
  return RGB(c.r, c.g, c.b);
}

LRESULT CALLBACK ownWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK standardControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

struct WindowKind {
  const wchar_t* cls;
  DWORD style;
  DWORD exStyle;
  bool standard;  // a class of the system, subclassed
};

DWORD alignStyle(const Control& c) {
  switch (c.alignment()) {
    case Align::Center:
      return SS_CENTER;
    case Align::Right:
      return SS_RIGHT;
    default:
      return SS_LEFT;
  }
}

WindowKind kindOf(const Control& c) {
  switch (c.kind()) {
    case ControlKind::Label:
      return {L"STATIC", SS_NOTIFY | alignStyle(c) | (c.border() ? WS_BORDER : 0u), 0, true};
    case ControlKind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, true};
    case ControlKind::CommandButton:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | (c.picture().empty() ? 0u : BS_BITMAP), 0,
              true};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, true};
    case ControlKind::OptionButton:
      return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, true};
    case ControlKind::TabStrip:
      return {WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP, 0, true};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, true};
    case ControlKind::ProgressBar:
      return {PROGRESS_CLASSW, 0, 0, true};
    case ControlKind::DriveList:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, true};
    case ControlKind::DirList:
      return {WC_LISTBOXW,
              LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                  WS_TABSTOP,
              WS_EX_CLIENTEDGE, true};
    case ControlKind::FileList:
      return {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE, true};
    case ControlKind::Frame:
      return {kFrameClass, WS_CLIPCHILDREN, 0, false};
    case ControlKind::ImageBox:
      return {kImageClass, c.border() ? WS_BORDER : 0u, 0, false};
    case ControlKind::Panel:
    case ControlKind::Form:
      break;
  }
  return {kPanelClass, WS_CLIPCHILDREN, 0, false};
}

DWORD formStyle(const Form& f, DWORD& exStyle) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | (f.controlBox() ? WS_SYSMENU : 0u);
  exStyle = 0;
  if (f.borderStyle() == BorderStyle::FixedDialog) exStyle = WS_EX_DLGMODALFRAME;
  if (f.borderStyle() == BorderStyle::FixedToolWindow) exStyle = WS_EX_TOOLWINDOW;
  return style;
}

// A drop-down list's window reaches down over its open list.
int windowHeight(Win32Ui& ui, const Control& c) {
  int h = ui.toPixels(c.height());
  return c.kind() == ControlKind::DriveList ? h + ui.toPixels(2400) : h;
}

bool hasVisibleMenu(const Form& f) {
  for (const MenuItem* m : f.menus())
    if (m->visible()) return true;
  return false;
}

// The peers of this thread's windows; looked up on every message, so kept
// here rather than in window properties, which live in the window server.
std::unordered_map<HWND, WindowPeer*>& peers() {
  static std::unordered_map<HWND, WindowPeer*> all;
  return all;
}

void createChildWindows(Win32Ui& ui, Control& parent, HWND parentHwnd) {
  // A new child window goes below its siblings: creating the last first puts
  // later controls over earlier ones.
  const std::vector<Control*>& children = parent.children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control* c = *it;
    WindowKind k = kindOf(*c);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | k.style | (shownInParent(*c) ? WS_VISIBLE : 0u) |
                  (c->enabled() ? 0u : WS_DISABLED);
    HWND hwnd =
        CreateWindowExW(k.exStyle, k.cls, widen(c->text()).c_str(), style, ui.toPixels(c->left()),
                        ui.toPixels(c->top()), ui.toPixels(c->width()), windowHeight(ui, *c),
                        parentHwnd, nullptr, ui.instance(), nullptr);
    if (!hwnd) continue;
    auto* peer = new WindowPeer(ui, *c, hwnd);
    if (k.standard)
      peer->original = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&standardControlProc)));
    c->attachPeer(peer);
    peer->applyInitialState();
    createChildWindows(ui, *c, hwnd);
  }
}

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

}  // namespace

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

void registerWindowClasses(HINSTANCE instance) {
  for (const wchar_t* name : {kFormClass, kPanelClass, kFrameClass, kImageClass}) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ownWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    if (name == kFormClass) {
      wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
      wc.hIconSm = wc.hIcon;
    }
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
  }
}

HWND createFormWindow(Win32Ui& ui, Form& form) {
  DWORD exStyle = 0;
  DWORD style = formStyle(form, exStyle);
  RECT rc{0, 0, ui.toPixels(form.clientWidth()), ui.toPixels(form.clientHeight())};
  AdjustWindowRectEx(&rc, style, hasVisibleMenu(form), exStyle);
  HWND hwnd = CreateWindowExW(exStyle, kFormClass, widen(form.text()).c_str(), style,
                              ui.toPixels(form.left()), ui.toPixels(form.top()), rc.right - rc.left,
                              rc.bottom - rc.top, nullptr, nullptr, ui.instance(), nullptr);
  if (!hwnd) return nullptr;
  auto* peer = new WindowPeer(ui, form, hwnd);
  form.attachPeer(peer);
  buildMenus(*peer);
  // The frame may differ from what AdjustWindowRectEx said (a wrapped menu
  // bar, scaled borders): keep the client area at its design size.
  RECT client;
  GetClientRect(hwnd, &client);
  RECT outer;
  GetWindowRect(hwnd, &outer);
  int extraX = ui.toPixels(form.clientWidth()) - client.right;
  int extraY = ui.toPixels(form.clientHeight()) - client.bottom;
  if (extraX != 0 || extraY != 0)
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left + extraX,
                 outer.bottom - outer.top + extraY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &client);
  form.setFrameWidth(ui.toTwips(outer.right - outer.left - client.right));
  form.setActualBounds(form.left(), form.top(), ui.toTwips(outer.right - outer.left),
                       ui.toTwips(outer.bottom - outer.top));
  createChildWindows(ui, form, hwnd);
  return hwnd;
}

WindowPeer::WindowPeer(Win32Ui& ui, Control& control, HWND hwnd)
    : ui_(ui), control_(&control), hwnd_(hwnd) {
  peers()[hwnd_] = this;
  nameAtom_ = GlobalAddAtomW(widen(control.name()).c_str());
  SetPropW(hwnd_, kNameProp, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(nameAtom_)));
}

WindowPeer::~WindowPeer() {
  if (control_) control_->attachPeer(nullptr);
  destroyMenus(*this);
  if (picture) DeleteObject(picture);
  peers().erase(hwnd_);
  RemovePropW(hwnd_, kNameProp);
  GlobalDeleteAtom(nameAtom_);
}

WindowPeer* WindowPeer::of(HWND hwnd) {
  auto it = peers().find(hwnd);
  return it == peers().end() ? nullptr : it->second;
}

void WindowPeer::release() {
  control_ = nullptr;
  DestroyWindow(hwnd_);  // deletes this peer
}

void WindowPeer::sync(Prop what) {
  if (!control_) return;
  switch (what) {
    case Prop::Bounds:
      syncBounds();
      break;
    case Prop::Visible:
      syncVisible();
      break;
    case Prop::Enabled:
      EnableWindow(hwnd_, control_->enabled());
      if (control_->kind() == ControlKind::Frame) InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Prop::Text:
      syncText();
      break;
    case Prop::Value:
      if (control_->kind() == ControlKind::TabStrip) {
        SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(control_->value()), 0);
        for (Control* page : control_->children()) {
          if (WindowPeer* p = static_cast<WindowPeer*>(page->peer())) p->syncVisible();
        }
      } else if (control_->kind() == ControlKind::CheckBox ||
                 control_->kind() == ControlKind::OptionButton) {
        SendMessageW(hwnd_, BM_SETCHECK, control_->value() ? BST_CHECKED : BST_UNCHECKED, 0);
      } else if (control_->kind() == ControlKind::ProgressBar) {
        SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(control_->value()), 0);
      } else if (control_->kind() == ControlKind::DriveList) {
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(control_->value()), 0);
      } else if (control_->kind() == ControlKind::DirList ||
                 control_->kind() == ControlKind::FileList) {
        SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(control_->value()), 0);
      }
      break;
    case Prop::Style:
      syncStyle();
      break;
    case Prop::Items:
      if (auto* list = dynamic_cast<ListControl*>(control_)) fillList(*list);
      if (auto* bar = dynamic_cast<ProgressBar*>(control_))
        SendMessageW(hwnd_, PBM_SETRANGE32, 0, bar->max());
      if (auto* tabs = dynamic_cast<TabStrip*>(control_)) {
        SendMessageW(hwnd_, TCM_DELETEALLITEMS, 0, 0);
        int i = 0;
        for (const std::string& caption : tabs->captions()) {
          std::wstring text = widen(caption);
          TCITEMW item{};
          item.mask = TCIF_TEXT;
          item.pszText = text.data();
          SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(i++),
                       reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(control_->value()), 0);
      }
      break;
    case Prop::ZOrder:
      SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
  }
}

void WindowPeer::applyInitialState() {
  Control& c = *control_;
  if (c.kind() != ControlKind::Form && c.kind() != ControlKind::Panel)
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_.font(c.font())), FALSE);
  switch (c.kind()) {
    case ControlKind::TabStrip:
      syncStyle();
      sync(Prop::Items);
      break;
    case ControlKind::StatusBar:
      syncStyle();
      syncText();
      break;
    case ControlKind::ImageBox:
    case ControlKind::CommandButton:
      if (!c.picture().empty()) syncStyle();
      break;
    case ControlKind::DriveList: {
      // The closed list is as high as the control; the open one reaches below.
      LRESULT field = SendMessageW(hwnd_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
      SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);  // lays it out
      RECT r;
      GetWindowRect(hwnd_, &r);
      int wanted = static_cast<int>(field) + ui_.toPixels(c.height()) - (r.bottom - r.top);
      if (wanted > 0) SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
      sync(Prop::Items);
      break;
    }
    case ControlKind::DirList:
      SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, ui_.toPixels(240));
      sync(Prop::Items);
      break;
    case ControlKind::FileList:
    case ControlKind::ProgressBar:
      sync(Prop::Items);
      sync(Prop::Value);
      break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      if (c.value()) sync(Prop::Value);
      break;
    default:
      break;
  }
}

void WindowPeer::syncBounds() {
  Control& c = *control_;
  SetWindowPos(hwnd_, nullptr, ui_.toPixels(c.left()), ui_.toPixels(c.top()),
               ui_.toPixels(c.width()), windowHeight(ui_, c), SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::fillList(const ListControl& list) {
  bool combo = list.kind() == ControlKind::DriveList;
  // Never redraw while filling: with thousands of names that takes minutes.
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd_, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  std::size_t bytes = 0;
  for (const ListItem& item : list.items()) bytes += (item.text.size() + 1) * sizeof(wchar_t);
  SendMessageW(hwnd_, combo ? CB_INITSTORAGE : LB_INITSTORAGE, list.items().size(), bytes);
  UINT add = combo ? CB_ADDSTRING : LB_ADDSTRING;
  for (const ListItem& item : list.items())
    SendMessageW(hwnd_, add, 0, reinterpret_cast<LPARAM>(widen(item.text).c_str()));
  SendMessageW(hwnd_, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list.value()), 0);
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void WindowPeer::syncVisible() {
  if (control_->kind() == ControlKind::Form) {
    ShowWindow(hwnd_, control_->visible() ? SW_SHOW : SW_HIDE);
    if (control_->visible()) UpdateWindow(hwnd_);
    return;
  }
  ShowWindow(hwnd_, shownInParent(*control_) ? SW_SHOWNA : SW_HIDE);
}

void WindowPeer::syncText() {
  std::wstring text = widen(control_->text());
  if (control_->kind() == ControlKind::StatusBar) {
    SendMessageW(hwnd_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return;
  }
  int n = GetWindowTextLengthW(hwnd_);
  std::wstring current(static_cast<std::size_t>(n) + 1, L'\0');
  current.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, current.data(), n + 1)));
  if (current != text) SetWindowTextW(hwnd_, text.c_str());
  if (control_->kind() == ControlKind::Frame) InvalidateRect(hwnd_, nullptr, TRUE);
}

void WindowPeer::syncStyle() {
  Control& c = *control_;
  if (c.kind() != ControlKind::Form)
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_.font(c.font())), FALSE);
  if (c.kind() == ControlKind::Label || c.kind() == ControlKind::ImageBox) {
    LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(WS_BORDER | SS_CENTER | SS_RIGHT)) |
                      (c.border() ? WS_BORDER : 0) |
                      (c.kind() == ControlKind::Label ? static_cast<LONG_PTR>(alignStyle(c)) : 0);
    if (wanted != style) {
      SetWindowLongPtrW(hwnd_, GWL_STYLE, wanted);
      SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
  if (c.kind() == ControlKind::ImageBox || c.kind() == ControlKind::CommandButton) {
    if (picture) DeleteObject(picture);
    picture = nullptr;
    const std::string& source = c.picture();
    // Button pictures take the button's face colour where their corner colour is.
    UINT flags = c.kind() == ControlKind::CommandButton ? LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS
                                                        : LR_CREATEDIBSECTION;
    if (source.rfind("res:", 0) == 0)
      picture = static_cast<HBITMAP>(
          LoadImageW(ui_.instance(), widen(source.substr(4)).c_str(), IMAGE_BITMAP, 0, 0, flags));
    if (c.kind() == ControlKind::CommandButton)
      SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  }
  if (c.kind() == ControlKind::TabStrip) {
    // All seven headers fit one row of the narrow window.
    SendMessageW(hwnd_, TCM_SETMINTABWIDTH, 0, ui_.toPixels(300));
    SendMessageW(hwnd_, TCM_SETPADDING, 0, MAKELPARAM(ui_.toPixels(90), ui_.toPixels(45)));
  }
  if (c.kind() == ControlKind::StatusBar) {
    int whole = -1;
    SendMessageW(hwnd_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace vl::win32
