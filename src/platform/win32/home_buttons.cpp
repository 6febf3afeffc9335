// Push buttons, check boxes and option buttons.
#include "platform/win32/kind_home.h"
#include "platform/win32/peer.h"
#include "platform/win32/text.h"

namespace vl::win32 {

namespace {

// A button's click, whoever makes it: mouse, space bar or BM_CLICK.
bool clicked(WindowPeer& peer, UINT code) {
  if (code != BN_CLICKED) return false;
  peer.control()->userClick();
  return true;
}

class CommandButtonHome : public KindHome {
 public:
  WindowRecipe recipe(const Control& c) const override {
    bool pictured = !static_cast<const CommandButton&>(c).picture().empty();
    return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | (pictured ? BS_BITMAP : 0u), 0, true};
  }
  void initialise(WindowPeer& peer) const override {
    applyFont(peer);
    if (!button(peer).picture().empty()) loadPicture(peer);
  }
  void sync(WindowPeer& peer, Prop what) const override {
    if (what == Prop::Picture)
      loadPicture(peer);
    else
      syncCommon(peer, what);
  }
  bool command(WindowPeer& peer, UINT code) const override { return clicked(peer, code); }
  bool message(WindowPeer& peer, UINT msg, WPARAM wp, LPARAM, LRESULT& result) const override {
    if (msg != WM_KEYDOWN || wp != VK_RETURN) return false;
    peer.control()->userClick();
    result = 0;
    return true;
  }

 private:
  static const CommandButton& button(WindowPeer& peer) {
    return static_cast<const CommandButton&>(*peer.control());
  }
  static void loadPicture(WindowPeer& peer) {
    if (peer.bitmap) DeleteObject(peer.bitmap);
    peer.bitmap = nullptr;
    const std::string& source = button(peer).picture();
    // Button pictures take the button's face colour where their corner colour is.
    if (source.rfind("res:", 0) == 0)
      peer.bitmap = static_cast<HBITMAP>(LoadImageW(peer.ui().instance(),
                                                    widen(source.substr(4)).c_str(), IMAGE_BITMAP,
                                                    0, 0, LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS));
    SendMessageW(peer.hwnd(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(peer.bitmap));
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

 private:
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
