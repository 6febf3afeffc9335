// The notice a minute before a break: a small window at the bottom right of
// the screen's free area, above other windows, that never takes the keyboard
// from the window in use.
#pragma once

#include "platform/controls.h"
#include "platform/event.h"
#include "platform/form.h"

namespace vl {

class Form21 : public Form {
 public:
  explicit Form21(Ui& ui);

  Label Label1{this, "Label1"};
  CommandButton Command1{this, "Command1"};

  // The user asks for the break five minutes later.
  Event<void()> Postpone;

  // Shows the notice in its corner without making it the active window;
  // Postpone is greyed when the user may postpone no more.
  void showInCorner(bool canPostpone);
};

}  // namespace vl
