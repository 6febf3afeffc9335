// The hidden holder of the tray icon: its hook receives the shell's reports
// of the mouse over the icon, and its menu hides, shows and quits the program.
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
  MenuItem mnuSep{*this, &mnubar, "mnuSep", "-"};
  MenuItem Q{*this, &mnubar, "Q", "Quit Varilume"};

  // A left double click on the icon: the main window to the front.
  Event<void()> BringMainToFront;
  // The icon's menu has closed: the keyboard goes back where it was.
  Event<void()> MenuClosed;

 protected:
  void Load() override;
  void Unload() override;

 private:
  void trayMessage(int number);
  void addIcon();

  Services& services_;
};

}  // namespace vl
