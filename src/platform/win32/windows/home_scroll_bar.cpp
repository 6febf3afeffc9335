// Scroll bars.
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"

namespace vl::win32 {

namespace {

ScrollBar& barOf(WindowPeer& peer) {
  return static_cast<ScrollBar&>(*peer.control());
}

// Windows counts from the smaller end; a bar whose min is the larger counts
// the other way round.
int toPosition(const ScrollBar& bar, int value) {
  return bar.min() <= bar.max() ? value : bar.min() + bar.max() - value;
}

class ScrollBarHome : public KindHome {
 public:
  WindowRecipe recipe(const Control& c) const override {
    bool vertical = static_cast<const ScrollBar&>(c).orientation() == Orientation::Vertical;
    DWORD style = static_cast<DWORD>(vertical ? SBS_VERT : SBS_HORZ) | WS_TABSTOP;
    return {L"SCROLLBAR", style, 0, true};
  }
  void initialise(WindowPeer& peer) const override {
    // A new bar is drawn when it first paints: drawing it now as well costs
    // several milliseconds a bar under Wine.
    set(peer, Prop::Limits, false);
  }
  void sync(WindowPeer& peer, Prop what) const override { set(peer, what, true); }
  void set(WindowPeer& peer, Prop what, bool redraw) const {
    const ScrollBar& bar = barOf(peer);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    if (what == Prop::Limits) {
      // The place too: in a range that counts the other way, the same value
      // stands at another place.
      info.fMask = SIF_RANGE | SIF_POS;
      info.nMin = bar.min() <= bar.max() ? bar.min() : bar.max();
      info.nMax = bar.min() <= bar.max() ? bar.max() : bar.min();
      info.nPos = toPosition(bar, bar.value());
    } else if (what == Prop::Value) {
      info.fMask = SIF_POS;
      info.nPos = toPosition(bar, bar.value());
    } else {
      syncCommon(peer, what);
      return;
    }
    SetScrollInfo(peer.hwnd(), SB_CTL, &info, redraw);
  }
  bool scroll(WindowPeer& peer, WPARAM wp) const override {
    ScrollBar& bar = barOf(peer);
    switch (LOWORD(wp)) {
      case SB_LINEUP:
        bar.userLine(-1);
        break;
      case SB_LINEDOWN:
        bar.userLine(1);
        break;
      case SB_PAGEUP:
        bar.userPage(-1);
        break;
      case SB_PAGEDOWN:
        bar.userPage(1);
        break;
      case SB_THUMBTRACK:
        bar.userScroll(toPosition(bar, thumb(peer, wp)));
        break;
      case SB_THUMBPOSITION:
        bar.userRelease(toPosition(bar, thumb(peer, wp)));
        break;
      case SB_TOP:
        bar.userEnd(false);
        break;
      case SB_BOTTOM:
        bar.userEnd(true);
        break;
      default:
        break;
    }
    return true;
  }

 private:
  // The message carries 16 bits of the thumb's place; a wider range asks the bar.
  static int thumb(WindowPeer& peer, WPARAM wp) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_TRACKPOS;
    GetScrollInfo(peer.hwnd(), SB_CTL, &info);
    if (info.nMin >= 0 && info.nMax <= 0xFFFF) return HIWORD(wp);
    return info.nTrackPos;
  }
};

}  // namespace

const KindHome& scrollBarHome() {
  static const ScrollBarHome home;
  return home;
}

}  // namespace vl::win32
