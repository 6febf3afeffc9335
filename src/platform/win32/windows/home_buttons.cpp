// Push buttons, check boxes and option buttons.
#include <algorithm>
#include <cmath>

#include "platform/win32/windows/button_art.h"
#include "platform/win32/system/dc_selection.h"
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_internal.h"

namespace vl::win32 {

namespace {

double luminance(COLORREF c) {
  auto channel = [](int v) {
    double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) +
         0.0722 * channel(GetBValue(c));
}

// The system's grey for disabled text, darkened until it stands out from the
// background at least 3.5 to 1.
COLORREF readableGrey(COLORREF back) {
  COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  double backLight = luminance(back) + 0.05;
  for (int step = 0; step < 32; ++step) {
    double ratio = backLight / (luminance(grey) + 0.05);
    if (ratio >= 3.5 || ratio < 1) break;  // readable, or the background is the darker
    grey = RGB(GetRValue(grey) * 7 / 8, GetGValue(grey) * 7 / 8, GetBValue(grey) * 7 / 8);
  }
  return grey;
}

// A button's click, whoever makes it: mouse, space bar or BM_CLICK.
bool clicked(WindowPeer& peer, UINT code) {
  if (code != BN_CLICKED) return false;
  peer.control()->userClick();
  return true;
}

// A button with a picture draws itself: its face, the picture centred on it
// (greyed when disabled, shifted while pressed) and the focus rectangle.
class CommandButtonHome : public KindHome {
 public:
  WindowRecipe recipe(const Control& c) const override {
    return {L"BUTTON", static_cast<DWORD>(pictured(c) ? BS_OWNERDRAW : BS_PUSHBUTTON) | WS_TABSTOP,
            0, true};
  }
  void initialise(WindowPeer& peer) const override { applyFont(peer); }
  void sync(WindowPeer& peer, Prop what) const override {
    if (what != Prop::Picture) {
      syncCommon(peer, what);
      return;
    }
    restyle(peer.hwnd(), BS_TYPEMASK, pictured(*peer.control()) ? BS_OWNERDRAW : BS_PUSHBUTTON);
    InvalidateRect(peer.hwnd(), nullptr, TRUE);
  }
  bool command(WindowPeer& peer, UINT code) const override { return clicked(peer, code); }
  bool message(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM, LRESULT& result) const override {
    if (msg != WM_KEYDOWN || wp != VK_RETURN) return false;
    peer.control()->userClick();
    result = 0;
    return true;
  }
  bool drawItem(WindowPeer& peer, const DRAWITEMSTRUCT& d) const override {
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    bool pressed = (d.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
    const std::string& source = static_cast<const CommandButton&>(*peer.control()).picture();
    // 32 pixels on a standard screen, less on a button too small for that.
    int room = static_cast<int>(std::min(r.right - r.left, r.bottom - r.top));
    int cell = std::min(peer.scale().toPixels(480), room - peer.scale().toPixels(90));
    const ButtonArt* art =
        source.rfind("res:", 0) == 0 ? peer.ui().buttonArt(source.substr(4), cell) : nullptr;
    if (art) {
      int shift = pressed ? 1 : 0;
      int left = (r.left + r.right - cell) / 2 + shift, top = (r.top + r.bottom - cell) / 2 + shift;
      RECT target{left, top, left + cell, top + cell};
      drawButtonArt(dc, *art, (d.itemState & ODS_DISABLED) != 0, target);
    }
    if (d.itemState & ODS_FOCUS) {
      int inset = peer.scale().toPixels(60);
      InflateRect(&r, -inset, -inset);
      DrawFocusRect(dc, &r);
    }
    return true;
  }

 private:
  static bool pictured(const Control& c) {
    return !static_cast<const CommandButton&>(c).picture().empty();
  }
};

// Check boxes and option buttons: the check mark follows the value.
class ToggleHome : public KindHome {
 public:
  explicit ToggleHome(DWORD style) : style_(style) {}
  WindowRecipe recipe(const Control&) const override {
    return {L"BUTTON", style_ | WS_TABSTOP, 0, true};
  }
  void initialise(WindowPeer& peer) const override {
    applyFont(peer);
    if (peer.control()->value()) sync(peer, Prop::Value);
  }
  void sync(WindowPeer& peer, Prop what) const override {
    if (what == Prop::Value)
      SendMessageW(peer.hwnd(), BM_SETCHECK, peer.control()->value() ? BST_CHECKED : BST_UNCHECKED,
                   0);
    else
      syncCommon(peer, what);
  }
  bool command(WindowPeer& peer, UINT code) const override { return clicked(peer, code); }
  bool message(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) const override {
    if (peer.control()->enabled()) return false;
    if (msg == BM_SETCHECK) {  // the button would draw itself at once, greyed
      result = CallWindowProcW(peer.original, peer.hwnd(), msg, wp, lp);
      InvalidateRect(peer.hwnd(), nullptr, TRUE);
      return true;
    }
    if (msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(peer.hwnd(), &ps);
    paintDisabled(peer, dc);
    EndPaint(peer.hwnd(), &ps);
    result = 0;
    return true;
  }

 private:
  // The system greys a disabled caption until it can hardly be read on a grey
  // window; this one stays readable.
  void paintDisabled(WindowPeer& peer, HDC dc) const {
    const Control& c = *peer.control();
    Win32Ui& ui = peer.ui();
    Scale s = peer.scale();
    RECT r;
    GetClientRect(peer.hwnd(), &r);
    COLORREF back = c.backColor() ? toColor(*c.backColor()) : backgroundOf(c.parent());
    FillRect(dc, &r, ui.brush(back));
    int box = s.toPixels(195);  // 13 pixels on a standard screen
    RECT glyph{r.left, (r.top + r.bottom - box) / 2, r.left + box, (r.top + r.bottom + box) / 2};
    UINT state = (style_ == BS_RADIOBUTTON ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | DFCS_INACTIVE |
                 (c.value() ? DFCS_CHECKED : 0u);
    DrawFrameControl(dc, &glyph, DFC_BUTTON, state);
    RECT text{glyph.right + s.toPixels(60), r.top, r.right, r.bottom};
    std::wstring caption = widen(c.text());
    DcSelection font(dc);
    font.select(ui.font(c.font(), s.dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, readableGrey(back));
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
  }

  DWORD style_;
};

}  // namespace

const KindHome& commandButtonHome() {
  static const CommandButtonHome home;
  return home;
}

const KindHome& checkBoxHome() {
  static const ToggleHome home(BS_CHECKBOX);
  return home;
}

const KindHome& optionButtonHome() {
  static const ToggleHome home(BS_RADIOBUTTON);
  return home;
}

}  // namespace vl::win32
