// Drive, directory and file lists.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/system/dc_selection.h"
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_internal.h"

namespace vl::win32 {

namespace {

ListControl& listOf(WindowPeer& peer) {
  return static_cast<ListControl&>(*peer.control());
}

// Never redraws while filling: with thousands of names that takes minutes.
void fill(WindowPeer& peer, bool combo) {
  HWND hwnd = peer.hwnd();
  const ListControl& list = listOf(peer);
  SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  std::size_t bytes = 0;
  for (const ListItem& item : list.items()) bytes += (item.text.size() + 1) * sizeof(wchar_t);
  SendMessageW(hwnd, combo ? CB_INITSTORAGE : LB_INITSTORAGE, list.items().size(), bytes);
  UINT add = combo ? CB_ADDSTRING : LB_ADDSTRING;
  for (const ListItem& item : list.items())
    SendMessageW(hwnd, add, 0, reinterpret_cast<LPARAM>(widen(item.text).c_str()));
  SendMessageW(hwnd, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list.value()), 0);
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd, nullptr, TRUE);
}

// Items and selection, as a list box or as the drop-down list of a combo box.
void syncList(WindowPeer& peer, Prop what, bool combo) {
  if (what == Prop::Items)
    fill(peer, combo);
  else if (what == Prop::Value)
    SendMessageW(peer.hwnd(), combo ? CB_SETCURSEL : LB_SETCURSEL,
                 static_cast<WPARAM>(peer.control()->value()), 0);
  else
    syncCommon(peer, what);
}

// The item of a list box under a point of its client area, -1 below the last
// one. Only the items in view can be under it; LB_ITEMFROMPOINT would give
// the nearest item instead, in 16 bits.
int itemAt(HWND hwnd, POINT at) {
  RECT client;
  GetClientRect(hwnd, &client);
  if (!PtInRect(&client, at)) return -1;
  int count = static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
  for (int i = static_cast<int>(SendMessageW(hwnd, LB_GETTOPINDEX, 0, 0)); i >= 0 && i < count;
       ++i) {
    RECT item{};
    if (SendMessageW(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item)) == LB_ERR ||
        item.top >= client.bottom)
      break;
    if (PtInRect(&item, at)) return i;
  }
  return -1;
}

// The directory and file lists are list boxes.
class ListBoxHome : public KindHome {
 public:
  void sync(WindowPeer& peer, Prop what) const override { syncList(peer, what, false); }
  // The right button tells the list which item it went down on.
  bool message(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) const override {
    if (msg != WM_RBUTTONDOWN) return false;
    HWND hwnd = peer.hwnd();
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    Scale s = peer.scale();
    listOf(peer).userPress(2, itemAt(hwnd, at), s.toTwips(at.x), s.toTwips(at.y));
    result = CallWindowProcW(peer.original, hwnd, msg, wp, lp);
    return true;
  }
  // Under the selected item, a little in from its left.
  POINT menuPoint(WindowPeer& peer) const override {
    RECT item{};
    LRESULT at = SendMessageW(peer.hwnd(), LB_GETCURSEL, 0, 0);
    if (at == LB_ERR || SendMessageW(peer.hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(at),
                                     reinterpret_cast<LPARAM>(&item)) == LB_ERR)
      return KindHome::menuPoint(peer);
    RECT client;
    GetClientRect(peer.hwnd(), &client);
    int inset = peer.scale().toPixels(120);
    return {item.left + inset, std::clamp<LONG>(item.bottom, client.top, client.bottom)};
  }
  bool command(WindowPeer& peer, UINT code) const override {
    if (code == LBN_SELCHANGE)
      listOf(peer).userSelect(static_cast<int>(SendMessageW(peer.hwnd(), LB_GETCURSEL, 0, 0)));
    else if (code == LBN_DBLCLK)
      peer.control()->userDblClick();
    else
      return false;
    return true;
  }
};

class FileListHome : public ListBoxHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
            WS_EX_CLIENTEDGE, true};
  }
  void initialise(WindowPeer& peer) const override {
    applyFont(peer);
    sync(peer, Prop::Items);
  }
};

// Each directory is indented below its parent, with an open or closed folder.
class DirListHome : public ListBoxHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {WC_LISTBOXW,
            LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                WS_TABSTOP,
            WS_EX_CLIENTEDGE, true};
  }
  void initialise(WindowPeer& peer) const override {
    applyFont(peer);
    SendMessageW(peer.hwnd(), LB_SETITEMHEIGHT, 0, peer.scale().toPixels(240));
    sync(peer, Prop::Items);
  }
  bool drawItem(WindowPeer& peer, const DRAWITEMSTRUCT& d) const override {
    const auto& items = listOf(peer).items();
    if (d.itemID == static_cast<UINT>(-1) || d.itemID >= items.size()) return true;
    const Control& c = *peer.control();
    const ListItem& item = items[d.itemID];
    Win32Ui& ui = peer.ui();
    Scale s = peer.scale();
    bool selected = (d.itemState & ODS_SELECTED) != 0;
    COLORREF back = selected        ? GetSysColor(COLOR_HIGHLIGHT)
                    : c.backColor() ? toColor(*c.backColor())
                                    : GetSysColor(COLOR_WINDOW);
    COLORREF fore = selected        ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                    : c.foreColor() ? toColor(*c.foreColor())
                                    : GetSysColor(COLOR_WINDOWTEXT);
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    FillRect(dc, &r, ui.brush(back));
    int unit = s.toPixels(120);
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
    {
      DcSelection font(dc);
      font.select(ui.font(c.font(), s.dpi));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, fore);
      DrawTextW(dc, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return true;
  }
};

// The drive list is a drop-down list whose closed field is as high as the control.
class DriveListHome : public KindHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, true};
  }
  int windowHeight(const Scale& s, const Control& c) const override {
    return s.toPixelSpan(c.top(), c.height()) + s.toPixels(2400);
  }
  void initialise(WindowPeer& peer) const override {
    applyFont(peer);
    HWND hwnd = peer.hwnd();
    LRESULT field = SendMessageW(hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);  // lays it out
    RECT r;
    GetWindowRect(hwnd, &r);
    int wanted = static_cast<int>(field) +
                 peer.scale().toPixelSpan(peer.control()->top(), peer.control()->height()) -
                 (r.bottom - r.top);
    if (wanted > 0) SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
    sync(peer, Prop::Items);
  }
  void sync(WindowPeer& peer, Prop what) const override { syncList(peer, what, true); }
  bool command(WindowPeer& peer, UINT code) const override {
    if (code != CBN_SELCHANGE) return false;
    listOf(peer).userSelect(static_cast<int>(SendMessageW(peer.hwnd(), CB_GETCURSEL, 0, 0)));
    return true;
  }
};

}  // namespace

const KindHome& fileListHome() {
  static const FileListHome home;
  return home;
}

const KindHome& dirListHome() {
  static const DirListHome home;
  return home;
}

const KindHome& driveListHome() {
  static const DriveListHome home;
  return home;
}

}  // namespace vl::win32
