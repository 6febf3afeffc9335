// The break window: the user's message and picture, the break's minutes
// counting down, a button that ends the break, one that puts it off five
// minutes, and the break's sound.
#pragma once

#include <functional>

#include "platform/media_control.h"
#include "platform/services.h"
#include "platform/event.h"

namespace vl {

class Form20 : public Form {
 public:
  explicit Form20(Services& services);

  ImageBox Image2{this, "Image2"};
  ImageBox Image1{this, "Image1"};
  TextBox Text1{this, "Text1"};
  Panel SSPanel1{this, "SSPanel1"};
  Label Label1{&SSPanel1, "Label1"};
  Label Label2{&SSPanel1, "Label2"};
  CommandButton Command1{this, "Command1"};
  CommandButton Command2{this, "Command2"};
  MediaControl MMControl1;
  Timer Timer1{this, "Timer1"};

  // The break is over: its minutes have run out, or the user ended it early.
  Event<void(bool early)> BreakOver;
  // The user puts the break off.
  Event<void()> Postpone;

  // Shows the picture, or gives the message the picture's place.
  void showPicture(bool show, const std::string& path);
  // Plays the sound from its start; the break does not wait for its end.
  void playSound(const std::string& path);
  // Nothing of the break is left open once its window has gone.
  void closeSound();

 private:
  void tick();
};

}  // namespace vl
