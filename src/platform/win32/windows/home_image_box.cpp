// Image controls: a picture at its natural size or stretched.
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/pictures/picture_decoder.h"
#include "platform/win32/windows/window_internal.h"

namespace vl::win32 {

namespace {

class ImageBoxHome : public KindHome {
 public:
  WindowRecipe recipe(const Control& c) const override {
    return {kImageClass, c.border() ? WS_BORDER : 0u, 0, false};
  }
  void initialise(WindowPeer&) const override {}
  void sync(WindowPeer& peer, Prop what) const override {
    HWND hwnd = peer.hwnd();
    if (what == Prop::Style) restyle(hwnd, WS_BORDER, peer.control()->border() ? WS_BORDER : 0);
    if (what == Prop::Picture)
      InvalidateRect(hwnd, nullptr, TRUE);
    else
      syncCommon(peer, what);
  }
  void paint(WindowPeer& peer, HDC dc, const RECT& rc) const override {
    const auto& image = static_cast<const ImageBox&>(*peer.control());
    auto* picture = dynamic_cast<const Win32Picture*>(image.picture().get());
    if (!picture) return;
    RECT target = rc;
    if (!image.stretch()) {
      target.right = peer.scale().toPixels(picture->widthTwips());
      target.bottom = peer.scale().toPixels(picture->heightTwips());
    }
    picture->draw(dc, target);
  }
};

}  // namespace

const KindHome& imageBoxHome() {
  static const ImageBoxHome home;
  return home;
}

}  // namespace vl::win32
