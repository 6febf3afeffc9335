// Creating the windows of a form and its controls.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_internal.h"
#include "platform/menu_item.h"

namespace vl::win32 {

namespace {

DWORD formStyle(const Form& f, DWORD& exStyle) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | (f.controlBox() ? WS_SYSMENU : 0u);
  // No caption and no control box: no title bar at all, only the thin border.
  if (f.text().empty() && !f.controlBox()) style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
  // An owned window is a pop-up, as a dialog is: the system keeps it in
  // front of its owner only then.
  if (f.owner()) style |= WS_POPUP;
  exStyle = 0;
  if (f.borderStyle() == BorderStyle::FixedDialog) exStyle = WS_EX_DLGMODALFRAME;
  if (f.borderStyle() == BorderStyle::FixedToolWindow) exStyle = WS_EX_TOOLWINDOW;
  // Dialogs and tool windows keep their size: they are painted only where
  // they are uncovered, their controls there with them. Clipping the controls
  // would cost each an erase of its own as the window shows (a third of the
  // tip window's showing). The main window, which the program resizes over
  // its pictures, keeps clipping them.
  if (f.borderStyle() != BorderStyle::FixedSingle) style &= ~WS_CLIPCHILDREN;
  if (f.topmost()) exStyle |= WS_EX_TOPMOST;
  if (f.staysInactive()) exStyle |= WS_EX_NOACTIVATE;
  // Without calling the shell at start-up, which would load it.
  if (f.acceptsFiles()) exStyle |= WS_EX_ACCEPTFILES;
  return style;
}

bool hasVisibleMenu(const Form& f) {
  for (const MenuItem* m : f.menus())
    if (m->visible()) return true;
  return false;
}

// Under Wine each window costs about a millisecond: creating the hidden pages
// of the main window before it shows would add a fifth to the start-up.
void deferChildren(WindowPeer& container) {
  container.childrenPending = true;
  auto& pending = container.ui().pendingContainers();
  pending.push_back(&container);
  // Timer messages come only when nothing else waits, paints included. The
  // form's own window takes them, so that its procedure finds the owner.
  SetTimer(GetAncestor(container.hwnd(), GA_ROOT), kPendingTimer, USER_TIMER_MINIMUM, nullptr);
}

// Whether every window was made. One that could not be is left out and the
// rest are still made: the caller decides what a missing one means.
bool createChildWindows(Win32Ui& ui, Control& parent, HWND parentHwnd) {
  bool all = true;
  // A new child window goes below its siblings: creating the last first puts
  // later controls over earlier ones.
  const std::vector<Control*>& children = parent.children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control* c = *it;
    const KindHome& home = homeOf(c->kind());
    if (home.attachWithoutWindow(ui, *c, parentHwnd)) continue;
    WindowRecipe k = home.recipe(*c);
    Scale s = scaleOf(ui, *c);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | k.style | (shownInParent(*c) ? WS_VISIBLE : 0u) |
                  (c->enabled() ? 0u : WS_DISABLED);
    HWND hwnd =
        CreateWindowExW(k.exStyle, k.cls, widen(c->text()).c_str(), style, s.toPixels(c->left()),
                        s.toPixels(c->top()), s.toPixelSpan(c->left(), c->width()),
                        home.windowHeight(s, *c), parentHwnd, nullptr, ui.instance(), nullptr);
    if (!hwnd) {
      all = false;
      continue;
    }
    auto* peer = new WindowPeer(ui, *c, hwnd);
    if (k.standard)
      peer->original = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&standardControlProc)));
    c->attachPeer(peer);
    home.initialise(*peer);
    if (c->children().empty() || onScreen(*c)) {
      if (!createChildWindows(ui, *c, hwnd)) all = false;
    } else {
      deferChildren(*peer);
    }
  }
  return all;
}
}  // namespace

bool onScreen(const Control& c) {
  for (const Control* p = &c; p; p = p->parent())
    if (!shownInParent(*p) || !inSight(*p)) return false;
  return true;
}

void createShownPending(const Form& form) {
  // Creating children may add containers to the list: walk a copy, again
  // until nothing of this form is left that shows.
  for (bool more = true; more;) {
    more = false;
    std::vector<WindowPeer*> pending = windowPeerOf(form)->ui().pendingContainers();
    for (WindowPeer* container : pending) {
      Control* c = container->control();
      if (!c || c->form() != &form || !onScreen(*c)) continue;
      createPendingChildren(*container);
      more = true;
    }
  }
}

void createPendingChildren(WindowPeer& container) {
  if (!container.childrenPending) return;
  ThreadDpiScope counted(container.dpiMode());
  forgetPendingChildren(container);
  // The form is up by now: a control whose window cannot be made is left
  // without one, which the rest of the back end takes as not there.
  createChildWindows(container.ui(), *container.control(), container.hwnd());
}

void forgetPendingChildren(WindowPeer& container) {
  if (!container.childrenPending) return;
  container.childrenPending = false;
  auto& pending = container.ui().pendingContainers();
  pending.erase(std::find(pending.begin(), pending.end(), &container));
}

void createOnePending(FormPeer& formPeer) {
  for (WindowPeer* container : formPeer.ui().pendingContainers()) {
    if (container->control() && container->control()->form() == formPeer.control()) {
      createPendingChildren(*container);
      return;
    }
  }
  KillTimer(formPeer.hwnd(), kPendingTimer);
}

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

bool registerWindowClasses(HINSTANCE instance) {
  for (const wchar_t* name : {kFormClass, kPanelClass, kFrameClass, kImageClass}) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // Drawn to their size: a change of size redraws them whole.
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &ownWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    if (name == kFormClass) {
      // Each at its own size: the icon holds images from 16 to 256 pixels.
      wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), 0));
      wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    }
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc)) {
      DWORD error = GetLastError();
      // The icons of a class not made are ours to free.
      if (wc.hIcon) DestroyIcon(wc.hIcon);
      if (wc.hIconSm) DestroyIcon(wc.hIconSm);
      // Another Win32Ui of this module registered them already: as good.
      if (error != ERROR_CLASS_ALREADY_EXISTS) return false;
    }
  }
  return true;
}

HWND createFormWindow(Win32Ui& ui, Form& form) {
  bool perMonitor = form.followsMonitorDpi() && perMonitorDpiAvailable();
  if (perMonitor) startUsingPerMonitorDpi();
  // A form made inside another's message is counted its own way, not that one's.
  ThreadDpiScope counted(perMonitor ? DpiMode::PerMonitor : DpiMode::System);
  DWORD exStyle = 0;
  DWORD style = formStyle(form, exStyle);
  Scale system = ui.systemScale();
  RECT rc{0, 0, system.toPixels(form.clientWidth()), system.toPixels(form.clientHeight())};
  AdjustWindowRectEx(&rc, style, hasVisibleMenu(form), exStyle);
  POINT at{system.toPixels(form.left()), system.toPixels(form.top())};
  if (perMonitor) {
    // Where the program placed it, in that monitor's own pixels.
    MonitorSeen m = monitorNear(at, DpiMode::System);
    at = {mapCoordinate(at.x, m.system.left, m.system.width(), m.own.left, m.own.width()),
          mapCoordinate(at.y, m.system.top, m.system.height(), m.own.top, m.own.height())};
  }
  WindowPeer* owner = form.owner() ? windowPeerOf(*form.owner()) : nullptr;
  HWND hwnd = CreateWindowExW(exStyle, kFormClass, widen(form.text()).c_str(), style, at.x, at.y,
                              rc.right - rc.left, rc.bottom - rc.top,
                              owner ? owner->hwnd() : nullptr, nullptr, ui.instance(), nullptr);
  if (!hwnd) return nullptr;
  auto* peer = new FormPeer(ui, form, hwnd);
  peer->dpi = system.dpi;
  if (perMonitor) {
    peer->perMonitor = true;
    peer->dpi = windowDpi(hwnd, system.dpi);
  }
  Scale own{peer->dpi};
  form.attachPeer(peer);
  buildMenus(*peer);
  // The frame may differ from what AdjustWindowRectEx said (a wrapped menu
  // bar, scaled borders): keep the client area at its design size.
  RECT client;
  GetClientRect(hwnd, &client);
  RECT outer;
  GetWindowRect(hwnd, &outer);
  int extraX = own.toPixels(form.clientWidth()) - client.right;
  int extraY = own.toPixels(form.clientHeight()) - client.bottom;
  if (extraX != 0 || extraY != 0)
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left + extraX,
                 outer.bottom - outer.top + extraY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &client);
  form.setFrameWidth(own.toTwips(outer.right - outer.left - client.right));
  form.setActualBounds(form.left(), form.top(), own.toTwips(outer.right - outer.left),
                       own.toTwips(outer.bottom - outer.top));
  if (!createChildWindows(ui, form, hwnd)) {
    // A form without one of its controls would fail later and less plainly.
    // Its peers, the controls' too, go with the windows.
    DestroyWindow(hwnd);
    return nullptr;
  }
  return hwnd;
}
}  // namespace vl::win32
