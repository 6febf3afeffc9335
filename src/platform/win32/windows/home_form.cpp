// Forms: top-level windows with their menus, focus, place and timers.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_internal.h"
#include "platform/menu_item.h"

namespace vl::win32 {

namespace {

// A form gives the focus back to the control that had it, or to the first in tab order.
void restoreFocus(FormPeer& peer) {
  if (peer.lastFocus && IsWindow(peer.lastFocus) && IsChild(peer.hwnd(), peer.lastFocus) &&
      IsWindowVisible(peer.lastFocus) && IsWindowEnabled(peer.lastFocus)) {
    SetFocus(peer.lastFocus);
    return;
  }
  std::vector<Control*> stops = tabStops(*peer.control());
  // A form with nothing to focus keeps the keys itself (Esc closes some).
  SetFocus(stops.empty() ? peer.hwnd() : windowPeerOf(*stops.front())->hwnd());
}

struct OwnedSearch {
  HWND owner;
  std::vector<HWND> owned;
};

BOOL CALLBACK collectOwned(HWND w, LPARAM context) {
  auto& search = *reinterpret_cast<OwnedSearch*>(context);
  if (GetWindow(w, GW_OWNER) == search.owner && IsWindowVisible(w)) search.owned.push_back(w);
  return TRUE;
}

// The windows a form owns stand right in front of it wherever it goes in the
// z-order: some systems (Wine without a window manager) let an activated
// owner rise over them.
void keepOwnedInFront(HWND owner) {
  OwnedSearch search{owner, {}};
  EnumThreadWindows(GetCurrentThreadId(), &collectOwned, reinterpret_cast<LPARAM>(&search));
  for (HWND w : search.owned) {
    HWND above = GetWindow(owner, GW_HWNDPREV);
    if (above == w) continue;
    SetWindowPos(w, above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}

// The paths of a drop; shell32 is loaded only when something is dropped.
std::vector<std::string> droppedPaths(SystemLibraries& libraries, HDROP drop) {
  auto query = libraries.function<decltype(&::DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
  auto finish = libraries.function<decltype(&::DragFinish)>(L"shell32.dll", "DragFinish");
  std::vector<std::string> paths;
  if (!query) return paths;
  UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT n = query(drop, i, nullptr, 0);
    std::wstring path(n + 1, L'\0');
    path.resize(query(drop, i, path.data(), n + 1));
    paths.push_back(narrow(path));
  }
  if (finish) finish(drop);
  return paths;
}

class FormHome : public KindHome {
 public:
  // Forms are made by createFormWindow, which sizes them by their client area.
  WindowRecipe recipe(const Control&) const override { return {kFormClass, 0, 0, false}; }
  void initialise(WindowPeer&) const override {}
  void place(WindowPeer& peer) const override {
    FormPeer& form = *peer.asFormPeer();
    if (form.perMonitor)
      placeOnItsMonitor(form);
    else
      KindHome::place(peer);
  }
  void sync(WindowPeer& peer, Prop what) const override {
    HWND hwnd = peer.hwnd();
    if (what == Prop::Visible) {
      // Windows not needed while the form was hidden are made before it shows.
      if (peer.control()->visible()) createShownPending(static_cast<const Form&>(*peer.control()));
      const auto& form = static_cast<const Form&>(*peer.control());
      int shown = form.staysInactive() ? SW_SHOWNOACTIVATE : SW_SHOW;
      ShowWindow(hwnd, form.visible() ? shown : SW_HIDE);
      if (peer.control()->visible()) UpdateWindow(hwnd);
    } else if (what == Prop::Style) {
      InvalidateRect(hwnd, nullptr, TRUE);
    } else {
      syncCommon(peer, what);
      // A wider or taller window brings parked views into sight.
      if (what == Prop::Bounds && peer.control()->visible())
        createShownPending(static_cast<const Form&>(*peer.control()));
    }
  }
  bool message(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) const override {
    FormPeer* own = peer.asFormPeer();
    if (!own) return false;  // forms are made by createFormWindow, with one
    auto& form = static_cast<Form&>(*peer.control());
    HWND hwnd = peer.hwnd();
    result = 0;
    if (msg == peer.ui().taskbarCreated() && msg != 0) {
      form.userTaskbarCreated();
      return true;
    }
    switch (msg) {
      case WM_DROPFILES: {
        std::vector<std::string> paths =
            droppedPaths(peer.ui().libraries(), reinterpret_cast<HDROP>(wp));
        if (form.FilesDropped && peer.ui().acceptsInput(&form)) form.FilesDropped(paths);
        return true;
      }
      case WM_CLOSE:
        form.userCloseRequest();
        return true;
      case WM_ENDSESSION:
        if (wp) form.userCloseRequest();
        return true;
      case WM_COMMAND:
        if (lp != 0) return false;
        if (MenuItem* item = peer.ui().menuCommand(LOWORD(wp))) item->userClick();
        return true;
      case WM_TIMER: {
        if (wp == kPendingTimer) {
          createOnePending(*own);
          return true;
        }
        auto it = own->timers.find(wp);
        if (it == own->timers.end()) return false;
        it->second->tick();
        return true;
      }
      case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
          HWND focus = GetFocus();
          if (focus && IsChild(hwnd, focus)) own->lastFocus = focus;
        } else {
          // After the system has raised it, which may come later.
          PostMessageW(hwnd, kRestackOwned, 0, 0);
          restoreFocus(*own);
        }
        return true;
      case WM_DPICHANGED:
        if (!own->perMonitor) return false;
        followNewDpi(*own, LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return true;
      case WM_DISPLAYCHANGE:
        form.userDisplayChanged();
        return false;
      case kRestackOwned:
        keepOwnedInFront(hwnd);
        return true;
      case WM_WINDOWPOSCHANGED:
        if (!(reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_NOZORDER))
          PostMessageW(hwnd, kRestackOwned, 0, 0);
        return false;  // the system makes WM_MOVE and WM_SIZE of it
      case WM_MOVE:
      case WM_SIZE: {
        learnPlace(*own);
        if (msg == WM_SIZE) {
          childrenFollowSize(form);
          // The windows it owns leave with it and come back with it, however
          // it was minimised.
          if (wp == SIZE_MINIMIZED) ShowOwnedPopups(hwnd, FALSE);
          if (wp == SIZE_RESTORED && own->minimised) ShowOwnedPopups(hwnd, TRUE);
          own->minimised = wp == SIZE_MINIMIZED;
        }
        return false;
      }
      default:
        return false;
    }
  }
};

}  // namespace

const KindHome& formHome() {
  static const FormHome home;
  return home;
}

}  // namespace vl::win32
