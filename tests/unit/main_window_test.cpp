#include <gtest/gtest.h>

#include "app/form1.h"
#include "test_system.h"
#include "tips/form14.h"

namespace vl {
namespace {

using test::TestSystem;

struct MainWindowTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("c:\\tip.cfg", "0\r\n");
    main = &sys.startMain();
  }
};

TEST_F(MainWindowTest, QuickHelpSelectsTheQuestionMarkPage) {
  main->ff.userClick();
  EXPECT_EQ(main->SSTab1.tab(), 6);
  EXPECT_TRUE(main->helpPage.Label17.shownOnScreen());
  EXPECT_FALSE(main->imagePage.Option1.shownOnScreen());
}

TEST_F(MainWindowTest, StatusBarShowsHelpAndClearsOverBareAreas) {
  ImagePage& image = main->imagePage;
  image.Option1.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(),
            "Use this mode if your screen resolution is 800x600 or higher");
  image.Frame1.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(), "");
  image.Option2.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(),
            "Use this mode if your screen resolution is less than 800x600");
  for (Control* bare :
       std::initializer_list<Control*>{&main->form, &main->SSTab1, &main->SSPanel9}) {
    image.Option2.userMouseMove();
    bare->userMouseMove();
    EXPECT_EQ(main->StatusBar1.text(), "") << bare->name();
  }
  image.Option1.userMouseMove();
  main->SSTab1.setTab(5);
  main->aboutPage.SSPanel8.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(), "");
}

TEST_F(MainWindowTest, APageChangeClearsTheHelpOfThePageLeft) {
  main->imagePage.SSCommand1.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(), "Zoom Into Current Image");
  main->SSTab1.userSelectTab(1);  // by the mouse
  EXPECT_EQ(main->StatusBar1.text(), "");
  main->musicPlayer.stopButton.userMouseMove();
  EXPECT_FALSE(main->StatusBar1.text().empty());
  main->SSTab1.userStep(1);  // by the keyboard
  EXPECT_EQ(main->StatusBar1.text(), "");
}

TEST_F(MainWindowTest, ShowAtStartFlagSwitchesFromMenuAndCheckBox) {
  EXPECT_FALSE(main->DYK.checked());
  main->DYK.userClick();
  EXPECT_EQ(sys.file("c:\\tip.cfg"), "1\r\n");
  EXPECT_TRUE(main->DYK.checked());
  EXPECT_EQ(sys.app->tipsWindow(), nullptr);  // the menu does not open the window

  Form14& tips = sys.app->createTipsWindow();
  tips.show();
  tips.Check1.userClick();
  EXPECT_EQ(sys.file("c:\\tip.cfg"), "0\r\n");
  EXPECT_FALSE(main->DYK.checked());
  main->DYK.userClick();
  EXPECT_EQ(sys.file("c:\\tip.cfg"), "1\r\n");
  EXPECT_EQ(tips.Check1.value(), 1);
  main->DYK.userClick();
  EXPECT_EQ(tips.Check1.value(), 0);
  EXPECT_EQ(sys.file("c:\\tip.cfg"), "0\r\n");
}

TEST(ShowAtStart, OnlyOneShowsTheTipsWindow) {
  for (auto [content, shown, ticked] :
       {std::tuple{"1\r\n", true, true}, std::tuple{"0\r\n", false, false},
        std::tuple{"yes\r\n", false, false}, std::tuple{"\"1\"\r\n", true, true},
        std::tuple{"", true, true}, std::tuple{"\x01\x02", false, false}}) {
    TestSystem sys;
    sys.knowWindowsPath();
    sys.put("c:\\tip.cfg", content);
    App& app = sys.start();
    EXPECT_EQ(app.tipsWindow() != nullptr, shown) << content;
    EXPECT_EQ(sys.mainWindow().DYK.checked(), ticked) << content;
  }
  TestSystem missing;
  missing.knowWindowsPath();
  EXPECT_NE(missing.start().tipsWindow(), nullptr);
  EXPECT_EQ(missing.file("c:\\tip.cfg"), "1\r\n");
}

TEST_F(MainWindowTest, GeneralInformationStartsTheEditorWithReadme) {
  sys.put("c:\\program files\\varilume se\\readme.txt", "guide");
  main->Contents.userClick();
  ASSERT_EQ(sys.launcher.launches.size(), 1u);
  EXPECT_EQ(sys.launcher.launches[0].program, "c:\\windows\\notepad.exe");
  EXPECT_EQ(sys.launcher.launches[0].argument, "C:\\Program Files\\Varilume SE\\readme.txt");
  EXPECT_TRUE(sys.ui.messages.empty());

  sys.launcher.failure = "The system cannot find the file specified.";
  main->Contents.userClick();
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_NE(sys.ui.messages[0].text.find("c:\\windows\\notepad.exe"), std::string::npos);
  EXPECT_NE(sys.ui.messages[0].text.find(sys.launcher.failure), std::string::npos);
  EXPECT_EQ(sys.ui.messages[0].title, "Varilume SE 3.5a");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);  // it could not be done
}

TEST_F(MainWindowTest, QuitFromTheMenuAndTheSystemEndsTheProgram) {
  main->quit.userClick();
  EXPECT_TRUE(sys.ui.ended);
  TestSystem other;
  other.knowWindowsPath();
  other.startMain().form.userCloseRequest();
  EXPECT_TRUE(other.ui.ended);
}

TEST_F(MainWindowTest, QuitLetsFeaturesReleaseThenClosesEveryWindowAndEndsTheLoop) {
  App& app = *sys.app;
  app.createTipsWindow().show();
  std::vector<std::string> steps;
  std::size_t windowsAtRelease = 0;
  app.atQuit([&] {
    steps.push_back("tray");
    windowsAtRelease = sys.ui.loadedForms.size();
  });
  app.atQuit([&] { steps.push_back("cd"); });
  main->quit.userClick();
  EXPECT_EQ(steps, (std::vector<std::string>{"tray", "cd"}));
  // The main, reminder and tips windows were still there for the features.
  EXPECT_EQ(windowsAtRelease, 3u);
  EXPECT_TRUE(sys.ui.loadedForms.empty());
  EXPECT_FALSE(main->form.loaded());
  EXPECT_EQ(sys.ui.exitCode, 0);
  main->form.userCloseRequest();  // a late close request does not quit twice
  EXPECT_EQ(steps.size(), 2u);
}

struct TipsWindowTest : ::testing::Test {
  TestSystem sys;
  Form14* tips = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("c:\\work\\tip.dat", test::tipRecords({"One", "Two", "Three", "Four"}));
    sys.random.values = {0.99};
    tips = sys.start().tipsWindow();
    ASSERT_NE(tips, nullptr);
  }
};

TEST_F(TipsWindowTest, NextAndPreviousStopAtTheEnds) {
  EXPECT_EQ(sys.random.seeds, 1);
  EXPECT_EQ(tips->tipCount(), 4);
  EXPECT_EQ(tips->Label1.text(), "Four");
  tips->Command2.userClick();
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].text, "Sorry, this is the last tip");
  EXPECT_EQ(sys.ui.messages[0].title, "Varilume SE 3.5a");
  EXPECT_EQ(tips->Label1.text(), "Four");
  for (const char* expected : {"Three", "Two", "One"}) {
    tips->Command3.userClick();
    EXPECT_EQ(tips->Label1.text(), expected);
  }
  tips->Command3.userClick();
  ASSERT_EQ(sys.ui.messages.size(), 2u);
  EXPECT_EQ(sys.ui.messages[1].text, "Sorry, this is the first tip");
  EXPECT_EQ(tips->currentTip(), 1);
  tips->Command2.userClick();
  EXPECT_EQ(tips->Label1.text(), "Two");
}

TEST_F(TipsWindowTest, CloseDestroysTheWindowAndAnotherCanBeMade) {
  tips->Command1.userClick();
  EXPECT_EQ(sys.app->tipsWindow(), nullptr);
  sys.random.values = {0.0};
  Form14& again = sys.app->createTipsWindow();
  EXPECT_EQ(again.Label1.text(), "One");
}

}  // namespace
}  // namespace vl
