// The hidden holder of the tray icon: its hook receives the shell's reports
// of the mouse over the icon, and its menu hides and shows the program,
// pauses and resumes the break reminder, and quits.
#pragma once

#include <functional>

#include "platform/services.h"
#include "platform/event.h"
#include "platform/menu_item.h"

namespace vl {

class Form2 : public Form {
 public:
  explicit Form2(Services& services);
  ~Form2() override { unload(); }  // the icon goes with the form

  Panel pichook{this, "pichook"};
  MenuItem mnubar{*this, nullptr, "mnubar", "Popupmenu"};
  MenuItem HM{*this, &mnubar, "HM", "Hide Varilume"};
  MenuItem SM{*this, &mnubar, "SM", "Show Varilume"};
  MenuItem pauseSep{*this, &mnubar, "pauseSep", "-"};
  MenuItem P30{*this, &mnubar, "P30", "Pause Reminder for 30 Minutes"};
  MenuItem P60{*this, &mnubar, "P60", "Pause Reminder for 1 Hour"};
  MenuItem PU{*this, &mnubar, "PU", "Pause Reminder Until Resumed"};
  MenuItem RR{*this, &mnubar, "RR", "Resume Reminder"};
  MenuItem mnuSep{*this, &mnubar, "mnuSep", "-"};
  MenuItem Q{*this, &mnubar, "Q", "Quit Varilume"};

  // A left double click on the icon: the main window to the front.
  Event<void()> BringMainToFront;
  // The icon's menu has closed: the keyboard goes back where it was.
  Event<void()> MenuClosed;
  // The reminder was paused (the tip says until when) or resumed (""):
  // the icon's tip and Resume follow.
  void showPause(const std::string& tip);

 protected:
  void Load() override;
  void Unload() override;

 private:
  void trayMessage(int number);
  void addIcon();

  Services& services_;
  std::string tip_;
};

}  // namespace vl
