#include "reminder/form22.h"

namespace vl {

Form22::Form22(Ui& ui, std::optional<Rgb> colour) : Form(ui, "Form22", "", 4800, 3600) {
  setBorderStyle(BorderStyle::FixedSingle, false);
  setTopmost(true);
  setFollowsMonitorDpi(true);
  setStaysInactive(true);
  if (colour) setBackColor(*colour);
}

void Form22::cover(const MonitorArea& monitor) {
  if (!load()) return;
  setBounds(monitor.left, monitor.top, monitor.width, monitor.height);
  show();
}

}  // namespace vl
