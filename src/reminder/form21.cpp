#include "reminder/form21.h"

#include "platform/ui.h"

namespace vl {

Form21::Form21(Ui& ui) : Form(ui, "Form21", "Varilume SE", 3615, 1095) {
  setBorderStyle(BorderStyle::FixedToolWindow, false);
  setTopmost(true);
  setFollowsMonitorDpi(true);
  setStaysInactive(true);
  place(Label1, 120, 120, 3375, 255, "A break begins in 1 minute.");
  place(Command1, 780, 495, 2055, 435, "&Postpone 5 Minutes");
  Command1.Click = [this] {
    if (Postpone) Postpone();
  };
}

void Form21::showInCorner(bool canPostpone) {
  Command1.setEnabled(canPostpone);
  if (!load()) return;
  MonitorArea free = ui().workArea();
  setBounds(free.left + free.width - width(), free.top + free.height - height(), width(), height());
  show();
}

}  // namespace vl
