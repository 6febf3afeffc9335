// Text boxes.
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

class TextBoxHome : public KindHome {
 public:
  WindowRecipe recipe(const Control& c) const override {
    DWORD lines = static_cast<const TextBox&>(c).multiLine()
                      ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                      : ES_AUTOHSCROLL;
    return {L"EDIT", lines | WS_TABSTOP, WS_EX_CLIENTEDGE, true};
  }
  void initialise(WindowPeer& peer) const override { applyFont(peer); }
  bool mnemonicFromCaption() const override { return false; }
  void sync(WindowPeer& peer, Prop what) const override { syncCommon(peer, what); }
  bool command(WindowPeer& peer, UINT code) const override {
    if (code != EN_CHANGE) return false;
    HWND hwnd = peer.hwnd();
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), n + 1)));
    peer.control()->userEdit(narrow(text));
    return true;
  }
};

}  // namespace

const KindHome& textBoxHome() {
  static const TextBoxHome home;
  return home;
}

}  // namespace vl::win32
