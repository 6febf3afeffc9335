// Timers: no window of their own; their form's window keeps their time.
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/windows/ui.h"

namespace vl::win32 {

namespace {

class TimerHome : public KindHome {
 public:
  // Never made into a window: attachWithoutWindow always attaches.
  WindowRecipe recipe(const Control&) const override { return {nullptr, 0, 0, false}; }
  void initialise(WindowPeer&) const override {}
  void sync(WindowPeer&, Prop) const override {}
  bool attachWithoutWindow(Win32Ui& ui, Control& c, HWND parent) const override {
    WindowPeer* root = ui.peerOf(GetAncestor(parent, GA_ROOT));
    FormPeer* form = root ? root->asFormPeer() : nullptr;
    if (!form) return true;
    UINT_PTR id = form->nextTimerId++;
    form->timers[id] = std::make_unique<TimerPeer>(*form, static_cast<Timer&>(c), id);
    return true;
  }
};

}  // namespace

const KindHome& timerHome() {
  static const TimerHome home;
  return home;
}

}  // namespace vl::win32
