// The register of kind homes, and what most kinds share.
#include "platform/win32/windows/kind_home.h"

#include "platform/win32/windows/peer.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/ui.h"

namespace vl::win32 {

const KindHome& formHome();
const KindHome& labelHome();
const KindHome& textBoxHome();
const KindHome& commandButtonHome();
const KindHome& checkBoxHome();
const KindHome& optionButtonHome();
const KindHome& frameHome();
const KindHome& panelHome();
const KindHome& tabStripHome();
const KindHome& statusBarHome();
const KindHome& imageBoxHome();
const KindHome& progressBarHome();
const KindHome& driveListHome();
const KindHome& dirListHome();
const KindHome& fileListHome();
const KindHome& scrollBarHome();
const KindHome& timerHome();
const KindHome& mediaControlHome();

// No default: a kind without a home does not compile.
const KindHome& homeOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Form:
      return formHome();
    case ControlKind::Label:
      return labelHome();
    case ControlKind::TextBox:
      return textBoxHome();
    case ControlKind::CommandButton:
      return commandButtonHome();
    case ControlKind::CheckBox:
      return checkBoxHome();
    case ControlKind::OptionButton:
      return optionButtonHome();
    case ControlKind::Frame:
      return frameHome();
    case ControlKind::Panel:
      return panelHome();
    case ControlKind::TabStrip:
      return tabStripHome();
    case ControlKind::StatusBar:
      return statusBarHome();
    case ControlKind::ImageBox:
      return imageBoxHome();
    case ControlKind::ProgressBar:
      return progressBarHome();
    case ControlKind::DriveList:
      return driveListHome();
    case ControlKind::DirList:
      return dirListHome();
    case ControlKind::FileList:
      return fileListHome();
    case ControlKind::ScrollBar:
      return scrollBarHome();
    case ControlKind::Timer:
      return timerHome();
    case ControlKind::MediaControl:
      return mediaControlHome();
  }
  return panelHome();
}

POINT KindHome::menuPoint(WindowPeer& peer) const {
  int inset = peer.scale().toPixels(120);
  return {inset, inset};
}

void applyFont(WindowPeer& peer) {
  SendMessageW(peer.hwnd(), WM_SETFONT,
               reinterpret_cast<WPARAM>(peer.ui().font(peer.control()->font(), peer.scale().dpi)),
               FALSE);
}

void restyle(HWND hwnd, LONG_PTR mask, LONG_PTR wanted) {
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  LONG_PTR next = (style & ~mask) | (wanted & mask);
  if (next == style) return;
  SetWindowLongPtrW(hwnd, GWL_STYLE, next);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

namespace {

void syncText(WindowPeer& peer) {
  HWND hwnd = peer.hwnd();
  std::wstring text = widen(peer.control()->text());
  int n = GetWindowTextLengthW(hwnd);
  std::wstring current(static_cast<std::size_t>(n) + 1, L'\0');
  current.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, current.data(), n + 1)));
  if (current != text) SetWindowTextW(hwnd, text.c_str());
}

}  // namespace

void syncCommon(WindowPeer& peer, Prop what) {
  Control& c = *peer.control();
  HWND hwnd = peer.hwnd();
  switch (what) {
    case Prop::Bounds:
      if (shownInParent(c) && inSight(c)) {
        createPendingChildren(peer);
        catchUpDeferred(*peer.control());
      }
      peer.home().place(peer);
      settleFocus(peer, false);
      break;
    case Prop::Visible: {
      bool shown = shownInParent(c);
      if (shown) createPendingChildren(peer);
      ShowWindow(hwnd, shown ? SW_SHOWNA : SW_HIDE);
      settleFocus(peer, false);
      break;
    }
    case Prop::Enabled:
      EnableWindow(hwnd, c.enabled());
      settleFocus(peer, false);
      break;
    case Prop::Text:
      syncText(peer);
      break;
    case Prop::Style:
      applyFont(peer);
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case Prop::ZOrder:
      SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      settleFocus(peer, true);
      break;
    case Prop::Value:
    case Prop::Items:
    case Prop::Limits:
    case Prop::Picture:
      break;
  }
}

void childrenFollowSize(const Control& parent) {
  for (Control* c : parent.children())
    if (WindowPeer* peer = windowPeerOf(*c)) peer->home().parentSized(*peer);
}

void KindHome::place(WindowPeer& peer) const {
  const Control& c = *peer.control();
  Scale s = peer.scale();
  SetWindowPos(peer.hwnd(), nullptr, s.toPixels(c.left()), s.toPixels(c.top()),
               s.toPixelSpan(c.left(), c.width()), windowHeight(s, c),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int KindHome::windowHeight(const Scale& s, const Control& c) const {
  return s.toPixelSpan(c.top(), c.height());
}

}  // namespace vl::win32
