// Labels, panels and frames.
#include "platform/win32/system/dc_selection.h"
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_internal.h"

namespace vl::win32 {

namespace {

class LabelHome : public KindHome {
 public:
  WindowRecipe recipe(const Control& c) const override {
    return {L"STATIC", SS_NOTIFY | alignStyle(c) | (c.border() ? WS_BORDER : 0u), 0, true};
  }
  void initialise(WindowPeer& peer) const override { applyFont(peer); }
  void sync(WindowPeer& peer, Prop what) const override {
    if (what == Prop::Style) {
      const Control& c = *peer.control();
      restyle(peer.hwnd(), WS_BORDER | SS_CENTER | SS_RIGHT,
              (c.border() ? WS_BORDER : 0) | static_cast<LONG_PTR>(alignStyle(c)));
    }
    syncCommon(peer, what);
  }
  bool command(WindowPeer& peer, UINT code) const override {
    if (code == STN_CLICKED) peer.control()->userClick();
    if (code == STN_DBLCLK) peer.control()->userDblClick();
    return code == STN_CLICKED || code == STN_DBLCLK;
  }
};

class PanelHome : public KindHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {kPanelClass, WS_CLIPCHILDREN, 0, false};
  }
  void initialise(WindowPeer&) const override {}
  void sync(WindowPeer& peer, Prop what) const override { syncCommon(peer, what); }
  void paint(WindowPeer&, HDC dc, const RECT& rc) const override {
    RECT edge = rc;
    DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
  }
};

// A multimedia control is a plain container: its transport buttons are
// ordinary buttons inside it.
class MediaControlHome : public KindHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {kPanelClass, WS_CLIPCHILDREN, 0, false};
  }
  void initialise(WindowPeer&) const override {}
  void sync(WindowPeer& peer, Prop what) const override { syncCommon(peer, what); }
};

class FrameHome : public KindHome {
 public:
  WindowRecipe recipe(const Control&) const override {
    return {kFrameClass, WS_CLIPCHILDREN, 0, false};
  }
  void initialise(WindowPeer& peer) const override { applyFont(peer); }
  void sync(WindowPeer& peer, Prop what) const override {
    syncCommon(peer, what);
    // The caption is drawn by the frame itself, greyed when disabled.
    if (what == Prop::Enabled || what == Prop::Text) InvalidateRect(peer.hwnd(), nullptr, TRUE);
  }
  void paint(WindowPeer& peer, HDC dc, const RECT& rc) const override {
    Control& c = *peer.control();
    DcSelection font(dc);
    font.select(peer.ui().font(c.font(), peer.scale().dpi));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT edge = rc;
    edge.top = tm.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    std::wstring caption = widen(c.text());
    if (!caption.empty()) {
      int inset = peer.scale().toPixels(120);
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
  }
};

}  // namespace

const KindHome& labelHome() {
  static const LabelHome home;
  return home;
}

const KindHome& panelHome() {
  static const PanelHome home;
  return home;
}

const KindHome& mediaControlHome() {
  static const MediaControlHome home;
  return home;
}

const KindHome& frameHome() {
  static const FrameHome home;
  return home;
}

}  // namespace vl::win32
