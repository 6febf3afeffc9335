#include <gtest/gtest.h>

#include "app/form1.h"
#include "app/form15.h"
#include "app/form5.h"
#include "test_system.h"
#include "tips/form14.h"

namespace vl {
namespace {

using test::TestSystem;

// A window the program cannot go on without, refused by the system: one
// message, and the program ends with a failure code and nothing left open.
TEST(StartUp, AWindowThatCannotBeMadeEndsTheProgramWithOneMessage) {
  for (bool known : {false, true}) {
    for (std::string refused : {"Form5", "Form15", "Form1"}) {
      if (known && refused == "Form15") continue;  // no first-run dialog then
      TestSystem sys;
      if (known) sys.knowWindowsPath();
      sys.ui.refusedForms = {refused};
      sys.start();
      // On a first run the main window comes once the question is answered.
      if (!known && refused == "Form1") sys.firstRun()->SSCommand1.userClick();
      ASSERT_EQ(sys.ui.messages.size(), 1u) << refused;
      EXPECT_NE(sys.ui.messages[0].text.find("cannot start"), std::string::npos);
      EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Warning);
      EXPECT_TRUE(sys.ui.ended) << refused;
      EXPECT_EQ(sys.ui.exitCode, 1) << refused;
      EXPECT_TRUE(sys.ui.loadedForms.empty()) << refused;
      if (!known && refused != "Form1") {
        EXPECT_EQ(sys.file("c:\\windir.cfg"), "<none>") << refused;
      }
    }
  }
}

// Windows it can do without: the tray holder and the tips; the program runs.
TEST(StartUp, WithoutTheTrayHolderOrTheTipsTheProgramRuns) {
  TestSystem sys;
  sys.knowWindowsPath();
  sys.ui.refusedForms = {"Form2", "Form14"};
  auto& main = sys.startMain();
  EXPECT_TRUE(main.form.visible());
  EXPECT_TRUE(sys.ui.messages.empty());
  EXPECT_FALSE(sys.ui.ended);
  EXPECT_FALSE(sys.tray.shown());
  EXPECT_EQ(sys.app->tipsWindow(), nullptr);
}

TEST(FirstRun, AsksForTheWindowsPathThenGreets) {
  TestSystem sys;
  App& app = sys.start();
  Form15* dialog = sys.firstRun();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->visible());
  EXPECT_EQ(sys.form<Form1>("Form1"), nullptr);
  EXPECT_EQ(dialog->Text1.text(), "c:\\windows\\");
  EXPECT_EQ(dialog->left(), (800 * 15 - dialog->width()) / 2);

  dialog->SSCommand1.userClick();
  EXPECT_EQ(sys.file("c:\\windir.cfg"), "c:\\windows\\\r\n");
  EXPECT_EQ(app.windowsPath(), "c:\\windows\\");
  EXPECT_FALSE(dialog->loaded());
  EXPECT_EQ(sys.form<Form5>("Form5"), nullptr);
  auto& main = sys.mainWindow();
  EXPECT_TRUE(main.form.visible());
  EXPECT_EQ(main.SSTab1.tab(), 0);
  Form14* tips = app.tipsWindow();
  ASSERT_NE(tips, nullptr);
  EXPECT_TRUE(tips->visible());
  EXPECT_EQ(tips->Label2.text(), "Welcome!");
  EXPECT_TRUE(tips->Label3.visible());
  EXPECT_EQ(tips->Label1.text(), kWelcomeText);
  EXPECT_FALSE(tips->Check1.enabled());
  EXPECT_FALSE(tips->Command2.enabled());
  EXPECT_FALSE(tips->Command3.enabled());
  EXPECT_FALSE(main.DYK.enabled());
  EXPECT_TRUE(main.DYK.checked());
  EXPECT_EQ(sys.file("c:\\tip.cfg"), "1\r\n");
  EXPECT_EQ(sys.file("c:\\res.cfg"), "1\r\n");
  EXPECT_EQ(main.imagePage.Option1.value(), 1);
}

TEST(FirstRun, TheTypedPathIsStoredAsItStands) {
  for (std::string typed : {"d:\\win", "c:\\my,windows\\", "c:\\\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xB0\\",
                            "\xC3\xAF\xC2\xBB\xC2\xBF:\\"}) {
    TestSystem sys;
    sys.start();
    sys.firstRun()->Text1.userEdit(typed);
    sys.firstRun()->SSCommand1.userClick();
    TestSystem again;
    again.put("c:\\windir.cfg", sys.file("c:\\windir.cfg"));
    App& next = again.start();
    EXPECT_EQ(again.firstRun(), nullptr) << typed;
    EXPECT_EQ(next.windowsPath(), typed);
  }
  // An empty path is no answer: the next start asks again.
  TestSystem sys;
  sys.start();
  sys.firstRun()->Text1.userEdit("");
  sys.firstRun()->SSCommand1.userClick();
  EXPECT_EQ(sys.app->windowsPath(), "");
  TestSystem again;
  again.put("c:\\windir.cfg", sys.file("c:\\windir.cfg"));
  again.start();
  EXPECT_NE(again.firstRun(), nullptr);
}

TEST(FirstRun, QuitEndsAtOnceAndWritesNothing) {
  TestSystem sys;
  sys.start();
  sys.firstRun()->SSCommand2.userClick();
  EXPECT_TRUE(sys.ui.ended);
  EXPECT_EQ(sys.file("c:\\windir.cfg"), "<none>");
  EXPECT_EQ(sys.fs.writeAttempts, 0);
}

TEST(SecondStart, NoDialogAndTheMainWindowIsCentred) {
  for (auto [w, h] : {std::pair{640, 480}, std::pair{1024, 768}}) {
    TestSystem sys;
    sys.ui.setScreen(w, h);
    sys.knowWindowsPath("c:\\win\\");
    sys.put("c:\\program files\\varilume se\\tip.dat", test::tipRecords({"Only tip."}));
    App& app = sys.start();
    EXPECT_EQ(sys.firstRun(), nullptr);
    EXPECT_EQ(app.windowsPath(), "c:\\win\\");
    auto& main = sys.mainWindow();
    EXPECT_TRUE(main.form.visible());
    EXPECT_EQ(main.form.left(), (w * 15 - main.form.width()) / 2);
    EXPECT_EQ(main.form.top(), (h * 15 - main.form.height()) / 2);
    ASSERT_NE(app.tipsWindow(), nullptr);
    EXPECT_EQ(app.tipsWindow()->Label1.text(), "Only tip.");
    EXPECT_EQ(app.tipsWindow()->Label2.text(), "Did you know...");
    EXPECT_TRUE(main.DYK.enabled());
  }
}

TEST(SecondStart, APlainSavedDisplayModeIsNotWrittenAgain) {
  for (const char* mode : {"0\r\n", "1\r\n"}) {
    TestSystem sys;
    sys.knowWindowsPath();
    sys.put("c:\\res.cfg", mode);
    sys.fs.writes.clear();
    (void)sys.startMain();
    for (const std::string& path : sys.fs.writes)
      EXPECT_EQ(path.find("res.cfg"), std::string::npos) << path;
    EXPECT_EQ(sys.file("c:\\res.cfg"), mode);
  }
}

TEST(SecondStart, SavedDisplayModeSetsItsOption) {
  struct Case {
    const char* file;
    int option1, option2;
    const char* after;
  } cases[] = {{"0\r\n", 0, 1, "0\r\n"},
               {"1\r\n", 1, 0, "1\r\n"},
               {nullptr, 1, 0, "1\r\n"},
               {" 1\r\n", 1, 0, "1\r\n"},
               {"1,0\r\n", 1, 0, "1\r\n"},
               {"\"0\"\r\n", 0, 1, "0\r\n"},
               {"", 1, 0, "1\r\n"},
               {"0", 0, 1, "0\r\n"},
               // Anything else was not written by the program: High-Res, mended.
               {"2\r\n", 1, 0, "1\r\n"},
               {"1 \r\n", 1, 0, "1\r\n"},
               {"0 ", 1, 0, "1\r\n"},
               {"\r\n", 1, 0, "1\r\n"},
               {"-1\r\n", 1, 0, "1\r\n"},
               {"\x01\x9D\xFF\xFE", 1, 0, "1\r\n"},
               {"\xEF\xBB\xBF\xFF", 1, 0, "1\r\n"}};
  for (const Case& c : cases) {
    TestSystem sys;
    sys.knowWindowsPath();
    if (c.file) sys.put("c:\\res.cfg", c.file);
    auto& main = sys.startMain();
    std::string what = c.file ? c.file : "(missing)";
    EXPECT_EQ(main.imagePage.Option1.value(), c.option1) << what;
    EXPECT_EQ(main.imagePage.Option2.value(), c.option2) << what;
    EXPECT_EQ(sys.file("c:\\res.cfg"), c.after) << what;
  }
}

// A saved High-Res on a screen that cannot hold the wide window starts in
// Low-Res, and the file keeps the saved choice until the user makes one.
TEST(SecondStart, NarrowScreenStartsInLowResAndKeepsTheSavedMode) {
  for (const char* saved : {"1\r\n", "2\r\n", "0\r\n"}) {
    TestSystem sys;
    sys.ui.setScreen(590, 480);  // under 9000 twips
    sys.knowWindowsPath();
    sys.put("c:\\res.cfg", saved);
    auto& main = sys.startMain();
    EXPECT_FALSE(main.imagePage.Option1.enabled());
    EXPECT_TRUE(main.imagePage.Option2.enabled());
    EXPECT_EQ(main.imagePage.Option1.value(), 0) << saved;
    EXPECT_EQ(main.imagePage.Option2.value(), 1) << saved;
    EXPECT_EQ(main.form.width(), kNarrowWidth);
    // The mended value is written as before; a good one is left alone.
    EXPECT_EQ(sys.file("c:\\res.cfg"), saved[0] == '0' ? "0\r\n" : "1\r\n") << saved;
    main.imagePage.Option2.userClick();
    EXPECT_EQ(sys.file("c:\\res.cfg"), "0\r\n") << saved;
  }

  TestSystem wide;
  wide.ui.setScreen(640, 480);
  wide.knowWindowsPath();
  EXPECT_TRUE(wide.startMain().imagePage.Option1.enabled());
}

TEST(SecondStart, ChoosingAModeSavesItAndLowResRecentres) {
  TestSystem sys;
  sys.ui.setScreen(1024, 768);
  sys.knowWindowsPath();
  auto& main = sys.startMain();
  main.form.setBounds(0, 0, main.form.width(), main.form.height());
  main.imagePage.Option2.userClick();
  EXPECT_EQ(sys.file("c:\\res.cfg"), "0\r\n");
  EXPECT_EQ(main.form.width(), kNarrowWidth);
  EXPECT_EQ(main.form.left(), (1024 * 15 - kNarrowWidth) / 2);
  EXPECT_EQ(main.SSPanel9.width(), 389 * 15);
  main.form.setBounds(0, 0, main.form.width(), main.form.height());
  main.imagePage.Option1.userClick();
  EXPECT_EQ(sys.file("c:\\res.cfg"), "1\r\n");
  EXPECT_EQ(main.form.left(), 0);  // High-Res does not re-centre
}

TEST(SecondStart, UnwritableDriveCNeitherHangsNorLosesSettings) {
  TestSystem sys;
  sys.fs.refuseWrite = inRootOfC;
  sys.start();
  sys.firstRun()->SSCommand1.userClick();
  std::string dir = "C:\\Users\\user\\AppData\\Roaming\\Varilume SE\\";
  EXPECT_EQ(sys.file(dir + "windir.cfg"), "c:\\windows\\\r\n");
  EXPECT_EQ(sys.file(dir + "res.cfg"), "1\r\n");
  EXPECT_EQ(sys.file(dir + "tip.cfg"), "1\r\n");
  sys.mainWindow().imagePage.Option2.userClick();

  TestSystem again;
  again.fs.refuseWrite = inRootOfC;
  for (const char* name : {"windir.cfg", "res.cfg", "tip.cfg"})
    again.put(dir + name, sys.file(dir + name));
  again.start();
  EXPECT_EQ(again.firstRun(), nullptr);
  EXPECT_EQ(again.mainWindow().imagePage.Option2.value(), 1);

  // Nowhere to write at all: defaults, and the program goes on.
  TestSystem locked;
  locked.knowWindowsPath();
  locked.fs.refuseWrite = [](const std::string&) { return true; };
  App& bare = locked.start();
  EXPECT_EQ(locked.mainWindow().imagePage.Option1.value(), 1);
  ASSERT_NE(bare.tipsWindow(), nullptr);
  EXPECT_LT(locked.fs.writeAttempts, 10);
}

TEST(CommandLine, FilesGoToTheirPagesAndTheImagePageIsShownAfterwards) {
  struct Case {
    const char* line;
    const char* image;
    const char* music;
    const char* sound;
    const char* mci;
  } cases[] = {
      {"C:\\PICS\\A.BMP", "C:\\PICS\\A.BMP", "", "", ""},
      {"c:\\pics\\a.rle", "c:\\pics\\a.rle", "", "", ""},
      {"C:\\music\\bach.mid", "", "C:\\music\\bach.mid", "", ""},
      {"C:\\SND\\DING.WAV", "", "", "C:\\SND\\DING.WAV", ""},
      {"\"C:\\My Videos\\\xC3\xA9t\xC3\xA9.avi\"", "", "", "",
       "C:\\My Videos\\\xC3\xA9t\xC3\xA9.avi"},
      {"C:\\SND\\DING.Wav", "", "", "C:\\SND\\DING.Wav", ""},
      {"C:\\PICS\\Sunset.Bmp", "C:\\PICS\\Sunset.Bmp", "", "", ""},
      {"C:\\SND\\notes.Txt", "", "", "", ""},
      {"", "", "", "", ""},
      {"ab", "", "", "", ""},
  };
  for (const Case& c : cases) {
    TestSystem sys;
    sys.knowWindowsPath();
    sys.commandLine = c.line;
    auto& main = sys.startMain();
    EXPECT_EQ(main.imagePage.Text1.text(), c.image) << c.line;
    EXPECT_EQ(main.musicPage.field.text(), c.music) << c.line;
    EXPECT_EQ(main.soundPage.field.text(), c.sound) << c.line;
    EXPECT_EQ(main.mciPage.field.text(), c.mci) << c.line;
    EXPECT_EQ(main.SSTab1.tab(), 0) << c.line;
  }
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

TEST(SecondStart, OddWindirFilesNeverHangAndFollowTheReadingRule) {
  struct Case {
    std::string bytes;
    bool asks;
    std::string path;
  } cases[] = {
      {"", true, ""},
      {"c:\\windows\\", false, "c:\\windows\\"},  // no line break
      {"\"c:\\my,windows\\\"\r\n", false, "c:\\my,windows\\"},
      {"  d:\\win\\ , more\r\n", false, "d:\\win\\ "},
      {std::string(1 << 20, 'x'), false, std::string(1 << 20, 'x')},
      // Empty values and NUL characters: asked again.
      {"\r\n", true, ""},
      {"   ,c:\\windows\\\r\n", true, ""},
      {"\"\"\r\n", true, ""},
      {std::string("\x00\xFF\r\n", 4), true, ""},
      {std::string("c:\\windows\\\r\n\0", 14), true, ""},
      {std::string("c\0:\0\\\0w\0\\\0\r\0\n\0", 14), true, ""},  // UTF-16 without its mark
      // UTF-16 as Notepad writes it.
      {std::string("\xFF\xFE"
                   "c\0:\0\\\0\xE9\0\\\0\r\0\n\0",
                   16),
       false, "c:\\\xC3\xA9\\"},
      {std::string("\xFE\xFF\0"
                   "c\0:\0\\\x04\x3E\0\\",
                   12),
       false, "c:\\\xD0\xBE\\"},
      {std::string("\xFF\xFE\r\0\n\0", 6), true, ""},
  };
  for (const Case& c : cases) {
    test::TestSystem sys;
    sys.put("c:\\windir.cfg", c.bytes);
    App& app = sys.start();
    EXPECT_EQ(sys.firstRun() != nullptr, c.asks) << c.bytes.substr(0, 20);
    if (!c.asks) {
      EXPECT_EQ(app.windowsPath(), c.path);
    }
  }
}

}  // namespace
}  // namespace vl
