#include "reminder/form20.h"

#include "reminder/profile.h"

namespace vl {

Form20::Form20(Services& services)
    : Form(services.ui, "Form20", "", 4230, 4845),
      MMControl1(this, "MMControl1", services.media, services.fs) {
  setBorderStyle(BorderStyle::FixedDialog, false);
  // A reminder hidden behind another program's window reminds nobody.
  setTopmost(true);
  setFollowsMonitorDpi(true);
  place(Image2, 2775, 0, 1455, 4845);
  Image2.setStretch(true);
  Image2.setPicture("res:BREAKSTRIP");
  place(Image1, 120, 180, 2595, 2235);
  Image1.setBorder(true);
  Image1.setStretch(true);
  place(Text1, 120, 2520, 2595, 1515);
  Text1.setMultiLine(true);
  Text1.setBackColor(kPaleYellow);
  Text1.setFont(Font{"Arial", 825, false});
  place(SSPanel1, 2955, 180, 1095, 1095);
  place(Label1, 60, 90, 975, 255, "Minutes Left");
  Label1.setAlignment(Align::Center);
  place(Label2, 120, 420, 855, 555);
  Label2.setBorder(true);
  Label2.setAlignment(Align::Center);
  Label2.setFont(Font{"Arial", 1200, true});
  place(Command1, 2955, 1395, 1095, 915);
  Command1.setPicture("res:ENDBREAK");
  Command1.setHelp("End the break");
  place(Command2, 120, 4215, 2595, 435, "&Postpone 5 Minutes");
  MMControl1.setVisible(false);
  Timer1.setInterval(kMinuteMs);

  Command1.Click = [this] {
    if (BreakOver) BreakOver(true);
  };
  Command2.Click = [this] {
    if (Postpone) Postpone();
  };
  Timer1.Tick = [this] { tick(); };
}

void Form20::showPicture(bool show, const std::string& path) {
  if (show) {
    // A picture that cannot be read leaves the area empty.
    (void)Image1.setPicture(path);
    return;
  }
  Image1.setVisible(false);
  Text1.setTop(180);
  Text1.setHeight(3855);
}

void Form20::playSound(const std::string& path) {
  MMControl1.DeviceType = "";
  MMControl1.FileName = path;
  MMControl1.Notify = true;
  MMControl1.Wait = false;
  MMControl1.Shareable = true;
  // A sound that cannot be played is skipped without a word.
  (void)MMControl1.command("Open");
  (void)MMControl1.command("Play");
}

void Form20::closeSound() {
  (void)MMControl1.command("Close");
}

void Form20::tick() {
  long long left = numericValue(Label2.text());
  if (left > 1) {
    Label2.setText(std::to_string(left - 1));
    return;
  }
  if (BreakOver) BreakOver(false);
}

}  // namespace vl
