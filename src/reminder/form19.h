// The reminder properties window: the interval, the break, the message, the
// sound and the picture, the reminder's switch, and the minute countdown.
#pragma once

#include <functional>
#include <string>

#include "platform/services.h"
#include "reminder/profile.h"
#include "platform/event.h"

namespace vl {

class Form19 : public Form {
 public:
  Form19(Services& services, ProfileFiles& profile);

  Frame Frame1{this, "Frame1"};
  Label Label1{&Frame1, "Label1"};
  Label Label2{&Frame1, "Label2"};
  Label Label3{&Frame1, "Label3"};
  TextBox Text1{&Frame1, "Text1"};
  CommandButton Command3{&Frame1, "Command3"};
  CommandButton Command1{&Frame1, "Command1"};
  Frame Frame2{this, "Frame2"};
  Label Label4{&Frame2, "Label4"};
  TextBox Text2{&Frame2, "Text2"};
  CommandButton Command5{&Frame2, "Command5"};
  CommandButton Command4{&Frame2, "Command4"};
  Frame Frame3{this, "Frame3"};
  TextBox Text3{&Frame3, "Text3"};
  Frame Frame4{this, "Frame4"};
  CheckBox Check1{&Frame4, "Check1"};
  TextBox Text4{&Frame4, "Text4"};
  CommandButton Command2{&Frame4, "Command2"};
  Frame Frame5{this, "Frame5"};
  CheckBox Check2{&Frame5, "Check2"};
  TextBox Text5{&Frame5, "Text5"};
  CommandButton Command8{&Frame5, "Command8"};
  Panel SSPanel1{this, "SSPanel1"};
  OptionButton Option1{&SSPanel1, "Option1"};
  OptionButton Option2{&SSPanel1, "Option2"};
  CommandButton Command6{&SSPanel1, "Command6"};
  CommandButton SSCommand3{&SSPanel1, "SSCommand3"};
  Label Label9{this, "Label9"};  // today's breaks
  StatusBar StatusBar1{this, "StatusBar1"};
  Timer Timer2{this, "Timer2"};

  // A break is due (the countdown ran out with the reminder on, or Test).
  Event<void()> BreakDue;
  // The countdown has reached its last minute with the reminder on.
  Event<void()> NoticeDue;
  // The user was away for a break's length (so many minutes): the countdown
  // has started again.
  Event<void(long long minutes)> NaturalBreak;
  // The user has turned the reminder off.
  Event<void()> ReminderOff;
  // Asked at each minute: true while the reminder is paused, and the
  // countdown holds.
  Event<bool()> Held;
  // Asked when no key or mouse has moved for a break's length: true while
  // the program plays something to watch, which is no break.
  Event<bool()> Watching;
  // The countdown starts again from the full interval.
  void restartCountdown() { Label2.setText(Text1.text()); }
  // The break comes that many minute ticks from now.
  void putOff(int minutes) { Label2.setText(std::to_string(minutes)); }
  // The window's values as the profile holds them.
  ReminderProfile values() const;
  void saveProfile();

 protected:
  void Load() override;

 private:
  void layOut();
  // The status bar's help for each control.
  void describeControls();
  // The steps, browse, test and hide buttons, and the files they choose.
  void wireButtons();
  void step(TextBox& box, int by);
  void browse(TextBox& box, const char* title, const std::string& filter);
  void tick();

  Services& services_;
  ProfileFiles& profile_;
  bool away_ = false;        // no input for a break's length: a break the user took
  std::int64_t awayMs_ = 0;  // how long, as far as the ticks saw
};

}  // namespace vl
