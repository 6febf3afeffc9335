#include "app/form2.h"
#include "platform/ui.h"

namespace vl {

namespace {
constexpr const char* kTip = "Varilume Reminder";
}

Form2::Form2(Services& services)
    : Form(services.ui, "Form2", "Popup", 3300, 1830), services_(services), tip_(kTip) {
  setBounds(6675, 5385, width(), height());
  place(pichook, 840, 480, 855, 555);
  mnubar.setVisible(false);
  RR.setEnabled(false);
  TaskbarCreated = [this] { addIcon(); };
}

void Form2::Load() {
  services_.tray.Callback = [this](int number) { trayMessage(number); };
  addIcon();
}

void Form2::Unload() {
  services_.tray.remove();
  services_.tray.Callback = nullptr;
}

void Form2::addIcon() {
  // A shell that refuses the icon leaves the program without it; File, Quit
  // still ends it.
  (void)services_.tray.add(pichook, tip_, services_.ui.screen().pixelsPerInch);
}

void Form2::showPause(const std::string& tip) {
  tip_ = tip.empty() ? kTip : tip;
  RR.setEnabled(!tip.empty());
  services_.tray.setTip(tip_);
}

void Form2::trayMessage(int number) {
  if (number == tray::LeftDoubleClick && BringMainToFront) BringMainToFront();
  if (number != tray::RightUp) return;
  services_.ui.popupMenu(*this, mnubar);
  if (MenuClosed) MenuClosed();
}

}  // namespace vl
