#include "platform/win32/peer.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/text.h"
#include "platform/win32/window_of.h"
#include "platform/win32/window_internal.h"

namespace vl::win32 {

namespace {
constexpr wchar_t kNameProp[] = L"VarilumeName";
}  // namespace

std::unordered_map<HWND, WindowPeer*>& peers() {
  static std::unordered_map<HWND, WindowPeer*> all;
  return all;
}

WindowPeer::WindowPeer(Win32Ui& ui, Control& control, HWND hwnd)
    : ui_(ui), control_(&control), hwnd_(hwnd) {
  peers()[hwnd_] = this;
  nameAtom_ = GlobalAddAtomW(widen(control.name()).c_str());
  SetPropW(hwnd_, kNameProp, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(nameAtom_)));
}

WindowPeer::~WindowPeer() {
  forgetPendingChildren(*this);
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
  bool shown = shownInParent(*control_);
  if (shown) createPendingChildren(*this);
  ShowWindow(hwnd_, shown ? SW_SHOWNA : SW_HIDE);
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

namespace vl::win32 {

HWND windowOf(const Control& c) {
  auto* peer = dynamic_cast<WindowPeer*>(c.peer());
  return peer ? peer->hwnd() : nullptr;
}

}  // namespace vl::win32
