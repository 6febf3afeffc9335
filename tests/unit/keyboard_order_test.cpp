#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/keyboard_order.h"
#include "platform/memory/memory_ui.h"
#include "reminder/reminder.h"
#include "tips/help_page.h"
#include "test_system.h"

namespace vl {
namespace {

std::string names(const std::vector<Control*>& controls) {
  std::string all;
  for (const Control* c : controls) all += (all.empty() ? "" : " ") + c->name();
  return all;
}

// Made in an order unlike the one they are read in.
struct Shuffled : Form {
  explicit Shuffled(Ui& ui) : Form(ui, "Shuffled", "Shuffled", 6000, 5000) {
    place(bottom, 120, 3000, 1000, 375, "Bottom");
    place(frame, 120, 600, 5000, 2000, "Choices");
    place(right, 2500, 100, 1000, 375, "Right");
    place(left, 120, 140, 1000, 375, "Left");  // a little lower, still the same row
    place(later, 2000, 600, 1200, 255, "Later");
    place(first, 120, 600, 1200, 255, "First");
    place(list, 120, 1200, 3000, 600);
    place(check, 3300, 1200, 1000, 255, "&Check");
    place(parked, 120, 6000, 1000, 375, "Parked");  // below the window
    place(hidden, 120, 3500, 1000, 375, "Hidden");
    hidden.setVisible(false);
  }
  CommandButton bottom{this, "bottom"};
  Frame frame{this, "frame"};
  CommandButton right{this, "right"};
  CommandButton left{this, "left"};
  OptionButton later{&frame, "later"};
  OptionButton first{&frame, "first"};
  FileList list{&frame, "list"};
  CheckBox check{&frame, "check"};
  CommandButton parked{this, "parked"};
  CommandButton hidden{this, "hidden"};
};

TEST(KeyboardOrder, TabReadsRowsFromTheLeftIntoFramesAndVisitsOneOptionOfAGroup) {
  MemoryUi ui;
  Shuffled f(ui);
  f.show();
  EXPECT_EQ(names(tabOrder(f)), "left right first list check bottom");
  f.later.userClick();  // the selected option stands for its group, where the group begins
  EXPECT_EQ(names(tabOrder(f)), "left right later list check bottom");
  f.later.setEnabled(false);  // a disabled option is not visited, even when selected
  f.right.setEnabled(false);
  EXPECT_EQ(names(tabOrder(f)), "left first list check bottom");
}

// Lists made on the window, lying on a panel that holds the buttons below
// them: they are read with the panel's own controls.
struct OnAPanel : Form {
  explicit OnAPanel(Ui& ui) : Form(ui, "OnAPanel", "OnAPanel", 4500, 3200) {
    place(panel, 60, 60, 4395, 3015);
    place(done, 60, 2460, 2115, 435, "&Done");
    place(cancel, 2220, 2460, 2115, 435, "&Cancel");
    place(drives, 120, 120, 4275, 330);
    place(folders, 120, 480, 4275, 1950);
  }
  Panel panel{this, "panel"};
  CommandButton done{&panel, "done"};
  CommandButton cancel{&panel, "cancel"};
  DriveList drives{this, "drives"};
  DirList folders{this, "folders"};
};

TEST(KeyboardOrder, ControlsLyingOnAPanelAreReadWithIt) {
  MemoryUi ui;
  OnAPanel f(ui);
  f.show();
  EXPECT_EQ(names(tabOrder(f)), "drives folders done cancel");
  EXPECT_EQ(f.folders.accessibleName(), "OnAPanel: folders");
}

TEST(KeyboardOrder, WhatARaisedPanelCoversIsNotVisited) {
  MemoryUi ui;
  OnAPanel f(ui);
  Panel over{&f, "over"};
  CommandButton close{&over, "close"};
  place(over, 90, 90, 4335, 2400);  // over the lists, not the buttons
  place(close, 60, 60, 1000, 375, "Close");
  f.show();
  EXPECT_EQ(names(tabOrder(f)), "drives close folders done cancel");  // not in front yet
  over.bringToFront();
  EXPECT_EQ(names(tabOrder(f)), "close done cancel");
  over.setTop(9000);  // parked below the window: it covers nothing
  EXPECT_EQ(names(tabOrder(f)), "drives folders done cancel");
}

TEST(KeyboardOrder, ArrowsGoRoundTheOptionsOfAGroupThatTheKeyboardReaches) {
  MemoryUi ui;
  Shuffled f(ui);
  f.show();
  EXPECT_EQ(nextOption(f.first, Direction::Right), &f.later);
  EXPECT_EQ(nextOption(f.later, Direction::Right), &f.first);  // round the end of the row
  EXPECT_EQ(nextOption(f.first, Direction::Left), &f.later);
  EXPECT_EQ(nextOption(f.first, Direction::Down), nullptr);  // nothing in its column
  f.later.setVisible(false);
  EXPECT_EQ(nextOption(f.first, Direction::Right), nullptr);  // alone in its group
  EXPECT_EQ(nextOption(f.check, Direction::Right), nullptr);  // not an option button
}

// The "?" page's options stand in three columns: the arrows follow them as
// they are seen, not the order they were made in.
TEST(KeyboardOrder, ArrowsFollowTheOptionsColumnsAndRowsOnTheScreen) {
  MemoryUi ui;
  Form f(ui, "Help", "Help", 6000, 5000);
  TabStrip tabs{&f, "tabs"};
  place(tabs, 0, 0, 6000, 5000);
  tabs.setCaptions({"?"});
  HelpPage help(tabs);
  help.Frame26.setTabPage(0);
  f.show();
  auto [images, music, sound, mci, cd, logo, reminder] = help.options();
  EXPECT_EQ(nextOption(*images, Direction::Down), music);
  EXPECT_EQ(nextOption(*music, Direction::Down), sound);
  EXPECT_EQ(nextOption(*sound, Direction::Down), images);  // round to the top of the column
  EXPECT_EQ(nextOption(*sound, Direction::Up), music);
  EXPECT_EQ(nextOption(*music, Direction::Right), cd);
  EXPECT_EQ(nextOption(*images, Direction::Right), mci);
  EXPECT_EQ(nextOption(*mci, Direction::Right), reminder);
  EXPECT_EQ(nextOption(*reminder, Direction::Right), images);  // round to the start of the row
  EXPECT_EQ(nextOption(*logo, Direction::Left), sound);
  EXPECT_EQ(nextOption(*logo, Direction::Up), cd);
  EXPECT_EQ(nextOption(*reminder, Direction::Down), cd);  // the nearest below, in another column
}

TEST(KeyboardOrder, NamesComeFromCaptionsHelpLabelsAndFrames) {
  MemoryUi ui;
  Shuffled f(ui);
  EXPECT_EQ(f.check.accessibleName(), "Check");
  EXPECT_EQ(f.list.accessibleName(), "Choices: files");
  f.parked.setText("");
  StatusBar status{&f, "status"};
  statusHelp(f.parked, status, "Open the selected file");
  EXPECT_EQ(f.parked.accessibleName(), "Open the selected file");
  f.parked.userMouseMove();
  EXPECT_EQ(status.text(), "Open the selected file");  // the status text is the same
}

struct ProgramWindows : ::testing::Test {
  test::TestSystem sys;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.fs.addDirectory("c:\\windows");
  }
};

TEST_F(ProgramWindows, TheReminderPropertiesAreReadFrameByFrame) {
  sys.startMain();
  Form19& f = *sys.app->reminder()->properties();
  f.show();
  const std::string fromTheTop =
      "Text1 Command3 Command1 Text2 Command5 Command4 Text3 Check1 Text4 Command2 Check2 Text5 "
      "Command8 ";
  EXPECT_EQ(names(tabOrder(f)), fromTheTop + "Option2 Command6 SSCommand3");
  f.Option1.userClick();
  EXPECT_EQ(names(tabOrder(f)), fromTheTop + "Option1 Command6 SSCommand3");
  EXPECT_EQ(f.Text1.accessibleName(), "Interval: Minutes");
  EXPECT_EQ(f.Text2.accessibleName(), "Break: Length in minutes");
  EXPECT_EQ(f.Text3.accessibleName(), "Message to show");
  EXPECT_EQ(f.Text4.accessibleName(), "Sound or music to play");
  EXPECT_EQ(f.SSCommand3.accessibleName(), "Hide");
}

TEST_F(ProgramWindows, EveryPictureButtonListAndBarOfTheMainWindowHasAName) {
  test::MainWindowParts& m = sys.startMain();
  const std::vector<std::pair<const Control*, std::string>> expected = {
      {&m.imagePage.browser.openButton, "Open the selected file"},
      {&m.imagePage.SSCommand1, "Zoom Into Current Image"},
      {&m.imagePage.SSCommand2, "Zoom Out Of Current Image"},
      {&m.imagePage.browser.pane.drive, "Image Browser: drives"},
      {&m.imagePage.browser.pane.dir, "Image Browser: folders"},
      {&m.imagePage.browser.pane.file, "Image Browser: files"},
      {&m.mciPage.openButton, "Start Playback"},
      {&m.musicPlayer.stopButton, "This stops the playing of MIDI music"},
      {&m.mciPlayer.stopButton, "Stop Playback"},
      {&m.musicPlayer.bar, "Music Browser: Current Position"},
      {&m.discPage.SSCommand9, "This will start the playback of the CD in your drive"},
      {m.discPage.MMControl4.button(TransportButton::Prev), "Prev"},
      {m.discPage.MMControl4.button(TransportButton::Eject), "Eject"},
      {&m.highRes.SSCommand18, "Click to view Full-Screen"},
      {&m.lowRes.SSCommand13, "Click to view Full-Screen"},
      {&m.lowRes.SSCommand19, "Zoom Into Current Image - Alt + I"},
      {&m.lowRes.SSCommand6, "Click this to close the Full-Size view window"},
  };
  for (const auto& [control, name] : expected) EXPECT_EQ(control->accessibleName(), name);
  EXPECT_EQ(m.musicPlayer.bar.accessibleValue(), "0%");
}

}  // namespace
}  // namespace vl
