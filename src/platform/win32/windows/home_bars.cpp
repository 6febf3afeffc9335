// The tab strip, the status bar and the progress bar.
#include <windows.h>
#include <uxtheme.h>

#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "platform/win32/system/window_dc.h"
#include "platform/win32/windows/window_internal.h"

namespace vl::win32 {

namespace {

class TabStripHome : public KindHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP, 0, true};
  }
  bool mnemonicFromCaption() const override { return false; }
  void initialise(WindowPeer& peer) const override {
    // The visual style paints the pages white; without it the control lets
    // its parent's colour show, as erased below.
    auto setTheme = peer.ui().libraries().function<decltype(&::SetWindowTheme)>(L"uxtheme.dll",
                                                                                "SetWindowTheme");
    if (setTheme) setTheme(peer.hwnd(), L"", L"");
    sync(peer, Prop::Style);
    sync(peer, Prop::Items);
  }
  bool message(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) const override {
    HWND hwnd = peer.hwnd();
    HBRUSH back = peer.ui().brush(backgroundOf(peer.control()));
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (msg == WM_ERASEBKGND) {
      FillRect(reinterpret_cast<HDC>(wp), &rc, back);
      result = 1;
      return true;
    }
    if (msg != WM_PAINT) return false;
    // The control fills its pages itself: cover them again in the window's
    // colour, inside their border. The pages' controls are clipped out.
    result = CallWindowProcW(peer.original, hwnd, msg, wp, lp);
    SendMessageW(hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    FillRect(WindowDc(hwnd).get(), &rc, back);
    return true;
  }
  void sync(WindowPeer& peer, Prop what) const override {
    HWND hwnd = peer.hwnd();
    Control& c = *peer.control();
    switch (what) {
      case Prop::Value:
        SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(c.value()), 0);
        // The pages' controls show with their page.
        for (Control* page : c.children())
          if (WindowPeer* p = windowPeerOf(*page)) syncCommon(*p, Prop::Visible);
        break;
      case Prop::Items: {
        SendMessageW(hwnd, TCM_DELETEALLITEMS, 0, 0);
        int i = 0;
        for (const std::string& caption : static_cast<TabStrip&>(c).captions()) {
          std::wstring text = widen(caption);
          TCITEMW item{};
          item.mask = TCIF_TEXT;
          item.pszText = text.data();
          SendMessageW(hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(i++),
                       reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(c.value()), 0);
        break;
      }
      case Prop::Style: {
        // All seven headers fit one row of the narrow window.
        Scale s = peer.scale();
        SendMessageW(hwnd, TCM_SETMINTABWIDTH, 0, s.toPixels(300));
        SendMessageW(hwnd, TCM_SETPADDING, 0, MAKELPARAM(s.toPixels(90), s.toPixels(45)));
        syncCommon(peer, what);
        break;
      }
      default:
        syncCommon(peer, what);
    }
  }
  bool notify(WindowPeer& peer, const NMHDR& header) const override {
    if (header.code != TCN_SELCHANGE) return false;
    static_cast<TabStrip&>(*peer.control())
        .userSelectTab(static_cast<int>(SendMessageW(peer.hwnd(), TCM_GETCURSEL, 0, 0)));
    return true;
  }
};

class StatusBarHome : public KindHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, true};
  }
  void initialise(WindowPeer& peer) const override {
    applyFont(peer);  // the window's own, scaled with it
    sync(peer, Prop::Style);
    sync(peer, Prop::Text);
  }
  void sync(WindowPeer& peer, Prop what) const override {
    if (what == Prop::Text) {
      // The text is panel 1's, not the window's.
      std::wstring text = widen(peer.control()->text());
      SendMessageW(peer.hwnd(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
      return;
    }
    if (what == Prop::Style) {
      int whole = -1;
      SendMessageW(peer.hwnd(), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
    }
    syncCommon(peer, what);
    if (what == Prop::Bounds) spanParentWidth(peer);
  }
  // It lies along the bottom of its window from edge to edge, however its
  // width in twips rounds to pixels and whatever width the window takes.
  void parentSized(WindowPeer& peer) const override { spanParentWidth(peer); }
  static void spanParentWidth(WindowPeer& peer) {
    RECT parent, bar;
    GetClientRect(GetParent(peer.hwnd()), &parent);
    GetWindowRect(peer.hwnd(), &bar);
    MapWindowPoints(nullptr, GetParent(peer.hwnd()), reinterpret_cast<POINT*>(&bar), 2);
    if (bar.left == 0 && bar.right == parent.right) return;
    SetWindowPos(peer.hwnd(), nullptr, 0, bar.top, parent.right, bar.bottom - bar.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

class ProgressBarHome : public KindHome {
 public:
  // Smooth: a step that moves the bar by less than a pixel repaints nothing,
  // where a bar of blocks redraws a block for every step.
  WindowRecipe recipe(const Control&) const override {
    return {PROGRESS_CLASSW, PBS_SMOOTH, 0, true};
  }
  void initialise(WindowPeer& peer) const override {
    applyFont(peer);
    sync(peer, Prop::Limits);
    sync(peer, Prop::Value);
  }
  void sync(WindowPeer& peer, Prop what) const override {
    if (what == Prop::Limits)
      SendMessageW(peer.hwnd(), PBM_SETRANGE32, 0,
                   static_cast<ProgressBar&>(*peer.control()).max());
    else if (what == Prop::Value)
      SendMessageW(peer.hwnd(), PBM_SETPOS, static_cast<WPARAM>(peer.control()->value()), 0);
    else
      syncCommon(peer, what);
  }
};

}  // namespace

const KindHome& tabStripHome() {
  static const TabStripHome home;
  return home;
}

const KindHome& statusBarHome() {
  static const StatusBarHome home;
  return home;
}

const KindHome& progressBarHome() {
  static const ProgressBarHome home;
  return home;
}

}  // namespace vl::win32
