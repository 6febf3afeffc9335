#include <gtest/gtest.h>

#include "app/form1.h"
#include "app/form15.h"
#include "browse/browser_page.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

// The program running after its first run, with a sound to hand it.
test::MainWindowParts& runningWithASound(TestSystem& sys) {
  sys.knowWindowsPath();
  sys.put("C:\\tip.cfg", "0\r\n");
  sys.put("C:\\SND\\ding.wav", "RIFF");
  return sys.startMain();
}

// A second start while a copy runs hands its command line over and ends at
// once: no window, no tray icon, no file.
TEST(OneCopy, ASecondStartHandsItsCommandLineOverAndMakesNothing) {
  TestSystem sys;
  sys.knowWindowsPath();
  sys.instances.anotherRuns = true;
  sys.commandLine = "\"C:\\My Pictures\\x.bmp\"";
  std::size_t writes = sys.fs.writes.size();
  sys.start();
  EXPECT_EQ(sys.instances.handedOver, (std::vector<std::string>{"\"C:\\My Pictures\\x.bmp\""}));
  EXPECT_TRUE(sys.ui.ended);
  EXPECT_EQ(sys.ui.exitCode, 0);
  EXPECT_TRUE(sys.ui.loadedForms.empty());
  EXPECT_TRUE(sys.tray.calls.empty());
  EXPECT_EQ(sys.fs.writes.size(), writes);
  EXPECT_TRUE(sys.ui.messages.empty());
}

// The running copy acts on a later start's line as on its own: the file opens
// on its page, and the window comes back from the tray and to the front.
TEST(OneCopy, ALaterStartOpensItsFileInTheRunningWindow) {
  TestSystem sys;
  auto& main = runningWithASound(sys);
  main.popup.HM.userClick();  // hidden from the tray menu
  ASSERT_FALSE(main.form.visible());
  sys.ui.activated.clear();

  sys.instances.Arrived("C:\\SND\\ding.wav");
  EXPECT_TRUE(main.form.visible());
  EXPECT_EQ(sys.ui.activated, (std::vector<std::string>{"Form1"}));
  EXPECT_EQ(main.soundPage.field.text(), "C:\\SND\\ding.wav");
  EXPECT_EQ(main.SSTab1.tab(), 2);

  // Without a file: only to the front.
  main.SSTab1.setTab(5);
  sys.instances.Arrived("");
  EXPECT_EQ(sys.ui.activated, (std::vector<std::string>{"Form1", "Form1"}));
  EXPECT_EQ(main.SSTab1.tab(), 5);
  EXPECT_TRUE(sys.ui.messages.empty());
}

// While the first-run question is open it keeps the keyboard; the later
// start's file opens once it is answered.
TEST(OneCopy, DuringTheFirstRunALaterStartWaitsForTheAnswer) {
  TestSystem sys;
  sys.put("C:\\SND\\ding.wav", "RIFF");
  sys.start();
  Form15* dialog = sys.firstRun();
  ASSERT_NE(dialog, nullptr);
  sys.instances.Arrived("C:\\SND\\ding.wav");
  EXPECT_EQ(sys.ui.activated, (std::vector<std::string>{"Form15"}));
  EXPECT_EQ(sys.form<Form1>("Form1"), nullptr);
  dialog->SSCommand1.userClick();
  auto& main = sys.mainWindow();
  EXPECT_TRUE(main.form.visible());
  EXPECT_EQ(main.soundPage.field.text(), "C:\\SND\\ding.wav");
}

// A later start in the middle of a long copy waits for its end.
TEST(OneCopy, ALaterStartWaitsForALongCopy) {
  TestSystem sys;
  auto& main = runningWithASound(sys);
  Form waiting(sys.ui, "Busy", "", 100, 100);
  ASSERT_TRUE(waiting.load());
  sys.ui.beginBusy(waiting, [] {});
  sys.instances.Arrived("C:\\SND\\ding.wav");
  EXPECT_EQ(main.soundPage.field.text(), "");
  sys.ui.endBusy();
  EXPECT_EQ(main.soundPage.field.text(), "C:\\SND\\ding.wav");
}

}  // namespace
}  // namespace vl
