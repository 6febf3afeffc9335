#include "reminder/form19.h"

#include <algorithm>

#include "platform/picture_format.h"

namespace vl {

namespace {

// The pictures GDI draws, then those the imaging component reads.
std::string pictureFilter() {
  std::string patterns = "*.BMP;*.RLE;*.DIB;*.WMF;*.EMF;*.ICO;*.CUR;" + imagingPatterns();
  return "(" + patterns + ")|" + patterns + "|";
}

}  // namespace

Form19::Form19(Services& services, ProfileFiles& profile)
    : Form(services.ui, "FORM19", "Varilume Reminder Properties", 5355, 5640),
      services_(services),
      profile_(profile) {
  setBorderStyle(BorderStyle::FixedToolWindow, false);
  layOut();
  describeControls();
  wireButtons();
  setCancelButton(&SSCommand3);
  Timer2.Tick = [this] { tick(); };
}

void Form19::layOut() {
  place(Frame1, 120, 60, 2520, 1575, "Interval");
  place(Label1, 120, 330, 1875, 255, "Minutes left before break:");
  place(Label2, 1995, 300, 435, 315);
  Label2.setBorder(true);
  Label2.setAlignment(Align::Center);
  Label2.setFont(Font{"Arial", 825, true});
  place(Label3, 120, 855, 735, 255, "Minutes:");
  place(Text1, 900, 825, 615, 315, "60");
  place(Command3, 1575, 795, 390, 375, "+");
  place(Command1, 2025, 795, 390, 375, "-");
  place(Frame2, 2715, 60, 2520, 1575, "Break");
  place(Label4, 120, 330, 2280, 255, "Length in minutes:");
  place(Text2, 900, 825, 615, 315, "5");
  place(Command5, 1575, 795, 390, 375, "+");
  place(Command4, 2025, 795, 390, 375, "-");
  place(Frame3, 120, 1695, 5115, 735, "Message to show");
  place(Text3, 120, 300, 4875, 315);
  place(Frame4, 120, 2490, 5115, 735, "Sound or music to play");
  place(Check1, 120, 330, 915, 255, "&Enable");
  place(Text4, 1080, 300, 2835, 315);
  place(Command2, 4035, 270, 960, 375, "Browse");
  place(Frame5, 120, 3285, 5115, 735, "Picture to show");
  place(Check2, 120, 330, 915, 255, "&Enable");
  place(Text5, 1080, 300, 2835, 315);
  place(Command8, 4035, 270, 960, 375, "Browse");
  place(Label9, 120, 4080, 5115, 255);
  place(SSPanel1, 120, 4395, 5115, 855);
  place(Option1, 120, 120, 1935, 255, "Enable Reminder");
  place(Option2, 120, 480, 1935, 255, "Disable Reminder");
  Option2.setValue(1);
  place(Command6, 2835, 210, 1050, 435, "&Test");
  place(SSCommand3, 3960, 210, 1050, 435, "&Hide");
  place(StatusBar1, 0, 5310, 5355, 330);
  Timer2.setInterval(kMinuteMs);
}

void Form19::describeControls() {
  const std::pair<Control*, const char*> helps[] = {{&Text1, "Remind Interval"},
                                                    {&Label2, "Time Left"},
                                                    {&Text2, "Break Length"},
                                                    {&Text3, "Break Message"},
                                                    {&Text4, "Break Sound"},
                                                    {&Check1, "Enables Sound"},
                                                    {&Command2, "Browse Files"},
                                                    {&Command6, "Test Reminder"},
                                                    {&SSCommand3, "Hide Varilume Reminder"},
                                                    {&Command3, "One minute longer between breaks"},
                                                    {&Command1, "One minute less between breaks"},
                                                    {&Command5, "One minute longer breaks"},
                                                    {&Command4, "One minute shorter breaks"}};
  for (auto [control, text] : helps) statusHelp(*control, StatusBar1, text);
}

void Form19::wireButtons() {
  Command3.Click = [this] {
    step(Text1, +1);
    restartCountdown();
  };
  Command1.Click = [this] {
    step(Text1, -1);
    restartCountdown();
  };
  Command5.Click = [this] { step(Text2, +1); };
  Command4.Click = [this] { step(Text2, -1); };
  Command2.Click = [this] { browse(Text4, "Open Sound or Music", "(*.wav;*.mid)|*.wav;*.mid|"); };
  Command8.Click = [this] { browse(Text5, "Open Picture", pictureFilter()); };
  Text4.Change = [this] {
    if (Text4.text().empty()) Check1.setValue(0);
  };
  Text5.Change = [this] {
    if (Text5.text().empty()) Check2.setValue(0);
  };
  Option2.Click = [this] {
    if (ReminderOff) ReminderOff();
  };
  Command6.Click = [this] {
    if (BreakDue) BreakDue();
  };
  SSCommand3.Click = [this] {
    saveProfile();
    hide();
  };
}

void Form19::Load() {
  center();
  // A first run keeps the values the window is made with: a 60-minute
  // interval, 5-minute breaks, the reminder off.
  std::optional<ReminderProfile> saved = profile_.loadIfSaved();
  if (!saved) {
    restartCountdown();
    return;
  }
  const ReminderProfile& p = *saved;
  Text1.setText(p.interval);
  Text2.setText(p.breakLength);
  Text3.setText(p.message);
  Text4.setText(p.sound);
  Text5.setText(p.picture);
  Check1.setValue(p.playSound);
  Check2.setValue(p.showPicture);
  // Each option takes its own value: both false leaves neither selected.
  Option1.setValue(p.enabled ? 1 : 0);
  Option2.setValue(p.disabled ? 1 : 0);
  restartCountdown();
}

ReminderProfile Form19::values() const {
  return {Text1.text(),   Text2.text(),   Text3.text(),         Text4.text(),        Text5.text(),
          Check1.value(), Check2.value(), Option1.value() != 0, Option2.value() != 0};
}

void Form19::saveProfile() {
  profile_.save(values());
}

void Form19::step(TextBox& box, int by) {
  long long v = numericValue(box.text());
  if ((by > 0 && v < 98) || (by < 0 && v > 2)) box.setText(std::to_string(v + by));
}

void Form19::browse(TextBox& box, const char* title, const std::string& filter) {
  if (auto chosen = services_.fileDialog.open(services_.ui, this, {title, filter, ""}))
    box.setText(*chosen);
}

void Form19::tick() {
  // No key or mouse for a break's length is a break already taken: the count
  // stands while the user is away and starts again, whole, once they are back.
  long long breakMinutes = std::max(1LL, numericValue(Text2.text()));
  if (Held && Held()) return;
  std::int64_t idle = services_.activity.idleMilliseconds();
  if (idle >= breakMinutes * kMinuteMs && !(Watching && Watching())) {
    away_ = true;
    awayMs_ = std::max(awayMs_, idle);
    return;
  }
  if (away_) {
    away_ = false;
    restartCountdown();
    long long minutes = awayMs_ / kMinuteMs;
    awayMs_ = 0;
    if (NaturalBreak) NaturalBreak(minutes);
    return;
  }
  long long left = numericValue(Label2.text());
  if (left > 1) {
    Label2.setText(std::to_string(left - 1));
    if (left - 1 == 1 && Option1.value() && NoticeDue) NoticeDue();
    return;
  }
  // Nothing comes over a video or a slide show: the break waits, and the
  // next minute looks again.
  if (Option1.value() && !services_.activity.fullScreenInFront() && BreakDue) BreakDue();
}

}  // namespace vl
