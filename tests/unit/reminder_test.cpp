#include <gtest/gtest.h>

#include "app/form1.h"
#include "platform/memory/memory_files.h"
#include "reminder/profile.h"
#include "reminder/reminder.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

constexpr int kMinute = 60000;
const std::string kWin = "c:\\windows\\";

std::string rem(int n) {
  return kWin + "rem" + std::to_string(n) + ".cfg";
}

struct ReminderTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.fs.addDirectory("c:\\windows");
  }
  void start() { main = &sys.startMain(); }
  Reminder& reminder() { return *sys.app->reminder(); }
  Form19& props() { return *reminder().properties(); }
  // A profile written as the program writes it.
  void profile(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
      sys.put(rem(static_cast<int>(i) + 1), lines[i] + "\r\n");
  }
};

TEST_F(ReminderTest, AFirstRunShowsTheDesignValuesAndWaitsWithoutABreak) {
  start();
  Form19& f = props();
  EXPECT_FALSE(f.visible());
  EXPECT_EQ(f.Text1.text(), "60");
  EXPECT_EQ(f.Text2.text(), "5");
  EXPECT_EQ(f.Label2.text(), "60");
  for (TextBox* t : {&f.Text3, &f.Text4, &f.Text5}) EXPECT_EQ(t->text(), "");
  EXPECT_EQ(f.Check1.value() + f.Check2.value() + f.Option1.value(), 0);
  EXPECT_EQ(f.Option2.value(), 1);                                            // "Disable Reminder"
  for (int n = 1; n <= 9; ++n) EXPECT_FALSE(sys.fs.fileExists(rem(n))) << n;  // nothing written
  EXPECT_TRUE(main->RS.enabled());
  // Asked for before start-up came to it, the window stays the one shown.
  main->RS.userClick();
  reminder().start();
  EXPECT_EQ(&props(), &f);
  EXPECT_TRUE(f.visible());
  sys.ui.advance(60 * kMinute);
  EXPECT_EQ(f.Label2.text(), "1");
  EXPECT_EQ(reminder().breakWindow(), nullptr);  // waiting: not enabled

  // Selecting "Enable Reminder" begins the break on the next tick.
  f.Option1.userClick();
  sys.ui.advance(kMinute);
  ASSERT_NE(reminder().breakWindow(), nullptr);
  EXPECT_FALSE(main->RS.enabled());
}

TEST_F(ReminderTest, WithSomeProfileFilesTheMissingOnesGiveTheirMissingValues) {
  ProfileFiles files(sys.fs, sys.codec, kWin);
  EXPECT_EQ(files.loadIfSaved(), std::nullopt);  // none at all: no profile yet
  EXPECT_EQ(files.load(), (ReminderProfile{"0", "0", "", "", "", 0, 0, false, false}));
  sys.put(rem(3), "Walk\r\n");
  EXPECT_EQ(files.loadIfSaved(), (ReminderProfile{"0", "0", "Walk", "", "", 0, 0, false, false}));
  start();
  Form19& f = props();
  EXPECT_EQ(f.Text1.text(), "0");
  EXPECT_EQ(f.Text2.text(), "0");
  EXPECT_EQ(f.Label2.text(), "0");
  EXPECT_EQ(f.Text3.text(), "Walk");
  EXPECT_EQ(f.Check1.value() + f.Check2.value() + f.Option1.value() + f.Option2.value(), 0);
  sys.ui.advance(10 * kMinute);
  EXPECT_EQ(reminder().breakWindow(), nullptr);
}

TEST_F(ReminderTest, HideSavesNineOneLineFilesThatTheNextStartReadsBackExactly) {
  start();
  Form19& f = props();
  main->RS.userClick();
  EXPECT_TRUE(f.visible());
  f.Text1.userEdit("150");  // typed values are taken as they stand
  f.Text2.userEdit("7");
  f.Text3.userEdit("  Stand up, \"stretch\", and look away \xE2\x80\x93 caf\xC3\xA9");
  f.Text4.userEdit("C:\\Sounds\\gong, loud.wav");
  f.Text5.userEdit("C:\\Pictures\\\"sea\".bmp");
  f.Check1.userClick();
  f.Check2.userClick();
  f.Option1.userClick();
  ReminderProfile typed = f.values();
  f.SSCommand3.userClick();
  EXPECT_FALSE(f.visible());
  for (int n = 1; n <= 9; ++n) {
    std::string content = sys.file(rem(n));
    EXPECT_EQ(content.find("\r\n"), content.size() - 2) << n;  // one line each
  }
  EXPECT_EQ(sys.file(rem(1)), "150\r\n");

  TestSystem again;
  again.fs = sys.fs;
  again.start();
  EXPECT_EQ(again.app->reminder()->properties()->values(), typed);
  EXPECT_EQ(again.app->reminder()->properties()->Label2.text(), "150");
}

TEST_F(ReminderTest, AwkwardProfileFilesGiveTheirMissingOrNumericValues) {
  profile({"abc", "-5", "\"say \"\"hi\"\", then rest\"", "", std::string(1 << 20, 'x'),
           "99999999999", "\x01\x02\xFF", "True", "#FALSE#"});
  sys.put(rem(4), "");                       // empty
  sys.put(rem(6), "2");                      // no line break, out of range
  sys.put(rem(2), " 7 minutes, or so\r\n");  // leading spaces and words
  start();
  Form19& f = props();
  EXPECT_EQ(f.Text1.text(), "0");
  EXPECT_EQ(f.Text2.text(), "7");
  EXPECT_EQ(f.Text3.text(), "say \"hi\", then rest");
  EXPECT_EQ(f.Text4.text(), "");
  EXPECT_EQ(f.Text5.text().size(), 1u << 20);
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_EQ(f.Check2.value(), 0);
  EXPECT_EQ(f.Option1.value(), 1);
  EXPECT_EQ(f.Option2.value(), 0);

  // The minute fields are read as numbers.
  TestSystem big;
  big.knowWindowsPath();
  big.fs.addDirectory("c:\\windows");
  big.put(rem(1), "99999999999\r\n");
  big.put(rem(2), "-5\r\n");
  big.start();
  EXPECT_EQ(big.app->reminder()->properties()->Text1.text(), "99999999999");
  EXPECT_EQ(big.app->reminder()->properties()->Text2.text(), "-5");
}

TEST_F(ReminderTest, PlusAndMinusKeepTheirRangeAndIntervalClicksRestartTheCountdown) {
  profile({"98", "5", "", "", "", "0", "0", "True", "False"});
  start();
  Form19& f = props();
  main->RS.userClick();
  sys.ui.advance(3 * kMinute);
  EXPECT_EQ(f.Label2.text(), "95");
  f.Command3.userClick();  // + at 98
  EXPECT_EQ(f.Text1.text(), "98");
  EXPECT_EQ(f.Label2.text(), "98");
  f.Text1.userEdit("2");
  f.Command1.userClick();  // - at 2
  EXPECT_EQ(f.Text1.text(), "2");
  EXPECT_EQ(f.Label2.text(), "2");
  f.Command5.userClick();
  EXPECT_EQ(f.Text2.text(), "6");
  f.Text2.userEdit("2");
  f.Command4.userClick();
  EXPECT_EQ(f.Text2.text(), "2");
  const std::pair<const char*, const char*> typed[] = {
      {"", "1"}, {"abc", "1"}, {" 7", "8"}, {"150", "150"}, {"97", "98"}};
  for (auto [before, after] : typed) {
    f.Text1.userEdit(before);
    f.Command3.userClick();
    EXPECT_EQ(f.Text1.text(), after) << before;
    EXPECT_EQ(f.Label2.text(), after);
  }
  f.Text2.userEdit("150");
  f.Command4.userClick();
  EXPECT_EQ(f.Text2.text(), "149");
}

TEST_F(ReminderTest, CountdownBreakAndAFreshCountdownAfterIt) {
  profile({"3", "5", "Time for a walk.", "C:\\S\\gong.wav", "", "1", "0", "True", "False"});
  sys.putMedia("C:\\S\\gong.wav");
  sys.media.lengths["C:\\S\\gong.wav"] = 4000;
  start();
  Form19* f = &props();
  EXPECT_EQ(f->Label2.text(), "3");
  sys.ui.advance(kMinute);
  EXPECT_EQ(f->Label2.text(), "2");
  sys.ui.advance(kMinute);
  EXPECT_EQ(f->Label2.text(), "1");
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  main->RS.userClick();
  f->Text3.userEdit("Time for a long walk.");  // saved when the break begins
  sys.ui.advance(kMinute);

  Form20* b = reminder().breakWindow();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(reminder().properties(), nullptr);
  EXPECT_TRUE(b->visible());
  EXPECT_TRUE(b->topmost());
  EXPECT_FALSE(main->RS.enabled());
  EXPECT_EQ(sys.file(rem(3)), "Time for a long walk.\r\n");
  EXPECT_EQ(b->Text1.text(), "Time for a long walk.");
  EXPECT_EQ(b->Label2.text(), "5");
  // No picture: the message takes its place.
  EXPECT_FALSE(b->Image1.visible());
  EXPECT_EQ(b->Text1.top(), 180);
  EXPECT_EQ(b->Text1.height(), 3855);
  EXPECT_EQ(sys.media.commands,
            (std::vector<std::string>{"open |C:\\S\\gong.wav|shareable", "play notify"}));
  main->RS.userClick();  // greyed: nothing happens
  EXPECT_EQ(reminder().properties(), nullptr);

  for (const char* left : {"4", "3", "2", "1"}) {
    sys.ui.advance(kMinute);
    EXPECT_EQ(b->Label2.text(), left);
  }
  sys.ui.advance(kMinute);
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  EXPECT_EQ(sys.media.openDevices(), 0);
  f = reminder().properties();
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(f->visible());
  EXPECT_EQ(f->Label2.text(), "3");
  EXPECT_TRUE(main->RS.enabled());
}

// Away from the keyboard and mouse for a break's length is a break taken:
// the count stands meanwhile and starts again, whole, when the user is back;
// a shorter pause changes nothing.
TEST_F(ReminderTest, ANaturalBreakRestartsTheCountdownWithoutABreakWindow) {
  profile({"10", "5", "", "", "", "0", "0", "True", "False"});
  start();
  Form19& f = props();
  sys.ui.advance(3 * kMinute);
  EXPECT_EQ(f.Label2.text(), "7");
  sys.activity.idleMs = 5 * kMinute - 1000;  // not quite a break
  sys.ui.advance(kMinute);
  EXPECT_EQ(f.Label2.text(), "6");
  for (int away = 5; away <= 30; away += 5) {
    sys.activity.idleMs = away * kMinute;
    sys.ui.advance(kMinute);
    EXPECT_EQ(f.Label2.text(), "6") << away;
  }
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  sys.activity.idleMs = 2000;  // back
  sys.ui.advance(kMinute);
  EXPECT_EQ(f.Label2.text(), "10");
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  sys.ui.advance(kMinute);
  EXPECT_EQ(f.Label2.text(), "9");
  // An odd break length counts as a minute.
  f.Text2.userEdit("x");
  sys.activity.idleMs = kMinute;
  sys.ui.advance(kMinute);
  EXPECT_EQ(f.Label2.text(), "9");
}

// A break due while something runs full screen waits, looking again each
// minute, and comes once it is gone; Test does not wait.
TEST_F(ReminderTest, ABreakWaitsWhileSomethingRunsFullScreenButTestDoesNot) {
  profile({"2", "5", "", "", "", "0", "0", "True", "False"});
  start();
  sys.activity.fullScreen = true;
  sys.ui.advance(kMinute);
  EXPECT_EQ(props().Label2.text(), "1");
  for (int minute = 0; minute < 5; ++minute) {
    sys.ui.advance(kMinute);
    EXPECT_EQ(reminder().breakWindow(), nullptr);
  }
  sys.activity.fullScreen = false;
  sys.ui.advance(kMinute);
  ASSERT_NE(reminder().breakWindow(), nullptr);
  reminder().breakWindow()->Command1.userClick();
  ASSERT_NE(reminder().properties(), nullptr);

  sys.activity.fullScreen = true;
  sys.activity.idleMs = 60 * kMinute;
  main->RS.userClick();
  reminder().properties()->Command6.userClick();
  EXPECT_NE(reminder().breakWindow(), nullptr);
}

TEST_F(ReminderTest, TestWhileShownAndTenBreaksInARowLeaveNothingOpen) {
  profile({"60", "1", "Rest", "C:\\S\\gong.wav", "C:\\P\\calm.bmp", "1", "1", "False", "True"});
  sys.putMedia("C:\\S\\gong.wav");
  sys.media.lengths["C:\\S\\gong.wav"] = 4000;
  sys.put("C:\\P\\calm.bmp", "BM");
  sys.ui.pictures.add("C:\\P\\calm.bmp", 1500, 1200);
  start();
  main->RS.userClick();
  props().Text1.userEdit("45");
  props().Command6.userClick();  // disabled reminder: Test still begins a break
  Form20* b = reminder().breakWindow();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(sys.file(rem(1)), "45\r\n");
  EXPECT_TRUE(b->Image1.visible());
  EXPECT_EQ(b->Image1.pictureSource(), "C:\\P\\calm.bmp");
  EXPECT_EQ(b->Text1.top(), 2520);
  b->Command1.userClick();
  ASSERT_NE(reminder().properties(), nullptr);
  EXPECT_FALSE(props().visible());  // it does not come back shown
  EXPECT_EQ(props().Label2.text(), "45");

  for (int i = 0; i < 10; ++i) {
    main->RS.userClick();
    props().Command6.userClick();
    ASSERT_NE(reminder().breakWindow(), nullptr);
    sys.ui.advance(kMinute);  // a break of 1 ends on the first tick
    ASSERT_EQ(reminder().breakWindow(), nullptr);
  }
  EXPECT_EQ(sys.media.openDevices(), 0);
  EXPECT_LE(sys.media.liveDevices(), 5);  // Music, Sound, MCI, CD and the last break's
}

TEST_F(ReminderTest, MissingPictureAndSoundAreSkippedSilently) {
  profile({"60", "5", "", "C:\\gone.wav", "C:\\gone.bmp", "1", "1", "True", "False"});
  start();
  main->RS.userClick();
  props().Command6.userClick();
  Form20* b = reminder().breakWindow();
  ASSERT_NE(b, nullptr);
  EXPECT_TRUE(b->Image1.visible());
  EXPECT_EQ(b->Image1.picture(), nullptr);
  EXPECT_EQ(b->MMControl1.mode(), MediaMode::NotOpen);
  EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(ReminderTest, BrowseDialogsAndEmptiedNamesUntickTheirBoxes) {
  start();
  Form19& f = props();
  main->RS.userClick();
  sys.fileDialog.answers = {std::string("C:\\S\\bell.wav"), std::nullopt};
  f.Command2.userClick();
  EXPECT_EQ(f.Text4.text(), "C:\\S\\bell.wav");
  EXPECT_EQ(f.Check1.value(), 0);  // picking does not tick
  f.Command8.userClick();          // cancelled
  EXPECT_EQ(f.Text5.text(), "");
  ASSERT_EQ(sys.fileDialog.requests.size(), 2u);
  EXPECT_EQ(sys.fileDialog.requests[0].title, "Open Sound or Music");
  EXPECT_EQ(sys.fileDialog.requests[0].filter, "(*.wav;*.mid)|*.wav;*.mid|");
  EXPECT_EQ(sys.fileDialog.requests[1].title, "Open Picture");
  EXPECT_EQ(
      sys.fileDialog.requests[1].filter,
      "(*.BMP;*.RLE;*.DIB;*.WMF;*.EMF;*.ICO;*.CUR;*.PNG;*.JPG;*.JPEG;*.JPE;*.JFIF;*.GIF;*.TIF;"
      "*.TIFF;*.WEBP;*.HEIC;*.HEIF;*.AVIF;*.JXR;*.WDP)|*.BMP;*.RLE;*.DIB;*.WMF;*.EMF;*.ICO;*.CUR;"
      "*.PNG;*.JPG;*.JPEG;*.JPE;*.JFIF;*.GIF;*.TIF;*.TIFF;*.WEBP;*.HEIC;*.HEIF;*.AVIF;*.JXR;*."
      "WDP|");
  f.Check1.userClick();
  f.Text4.userEdit("");
  EXPECT_EQ(f.Check1.value(), 0);
  f.Text5.userEdit("x");
  f.Check2.userClick();
  f.Text5.userEdit("");
  EXPECT_EQ(f.Check2.value(), 0);

  f.Text2.userMouseMove();
  EXPECT_EQ(f.StatusBar1.text(), "Break Length");
  f.SSCommand3.userMouseMove();
  EXPECT_EQ(f.StatusBar1.text(), "Hide Varilume Reminder");
}

TEST_F(ReminderTest, SavingNeverLosesTheProfileAndAReadOnlyWindowsDirectoryFallsBack) {
  profile({"30", "5", "Old message", "", "", "0", "0", "True", "False"});
  start();
  Form19& f = props();
  main->RS.userClick();
  f.Text3.userEdit(std::string(4000, 'm'));
  f.Text1.userEdit("40");
  // The disk fills up in the middle of the save.
  sys.fs.freeSpace['C'] = 100;
  f.SSCommand3.userClick();
  EXPECT_EQ(sys.file(rem(3)), "Old message\r\n");
  EXPECT_EQ(sys.file(rem(1)), "40\r\n");  // what fitted was saved whole
  sys.fs.freeSpace.erase('C');

  // Quit does not save.
  f.Text1.userEdit("50");
  main->quit.userClick();
  EXPECT_EQ(sys.file(rem(1)), "40\r\n");

  // A Windows directory that cannot be written: the profile lives in the
  // user's folder, and is read from there.
  TestSystem locked;
  locked.knowWindowsPath();
  locked.fs.addDirectory("c:\\windows");
  locked.fs.refuseWrite = [](const std::string& p) { return p.rfind("c:\\windows\\", 0) == 0; };
  locked.start();
  Form19& g = *locked.app->reminder()->properties();
  locked.mainWindow().RS.userClick();
  g.Text1.userEdit("25");
  g.SSCommand3.userClick();
  EXPECT_EQ(locked.file(locked.fs.userSettingsDir + "\\rem1.cfg"), "25\r\n");
  TestSystem reopened;
  reopened.fs = locked.fs;
  reopened.start();
  EXPECT_EQ(reopened.app->reminder()->properties()->Text1.text(), "25");
}

TEST(ProfileFiles, GoNowhereButTheWindowsDirectoryOrTheUsersFolder) {
  ReminderProfile p{"30", "5", "Stand up", "", "", 1, 0, true, false};
  // A full path below a drive's root: the files go in it.
  for (std::string windows : {"c:\\windows\\", "c:\\windows", "c:/windows/", "C:\\WINDOWS\\\\"}) {
    MemoryFileSystem fs;
    Cp1252Codec codec;
    fs.addDirectory("c:\\windows");
    ProfileFiles files(fs, codec, windows);
    files.save(p);
    ASSERT_FALSE(fs.writes.empty());
    for (const std::string& path : fs.writes)
      EXPECT_TRUE(sameDirectory(directoryOf(path), "c:\\windows")) << windows << ": " << path;
    EXPECT_EQ(fs.contents("c:\\windows\\rem3.cfg"), "Stand up\r\n") << windows;
    EXPECT_EQ(files.load(), p) << windows;
  }
  // Anything else might lead elsewhere (the current directory, the root of
  // C: beside the other settings, above the Windows directory): the files go
  // in the user's folder, as where the Windows directory cannot be written.
  for (std::string windows : std::initializer_list<std::string>{
           "", "windows\\", "c:windows\\", "c:", "c:\\", "\\windows\\", "\\\\server\\share\\",
           "c:\\windows\\..\\", "c:\\windows\\..\\..\\temp\\", "c:\\windows\\.\\", "c:\\windows.\\",
           "c:\\win\\\\system\\", "c:\\win*\\", std::string("c:\\windows\0\\", 12)}) {
    MemoryFileSystem fs;
    Cp1252Codec codec;
    for (const char* dir : {"c:\\windows", "c:\\work\\windows", "c:\\temp", "c:\\win\\system"})
      fs.addDirectory(dir);
    ProfileFiles files(fs, codec, windows);
    files.save(p);
    ASSERT_FALSE(fs.writes.empty());
    for (const std::string& path : fs.writes)
      EXPECT_TRUE(sameDirectory(directoryOf(path), fs.userSettingsDir) ||
                  sameDirectory(path, fs.userSettingsDir))
          << ::testing::PrintToString(windows) << ": " << path;
    EXPECT_EQ(fs.contents(fs.userSettingsDir + "\\rem3.cfg"), "Stand up\r\n");
    EXPECT_EQ(files.load(), p) << windows;
  }
}

TEST(ProfileFiles, EveryValueReadsBackExactly) {
  MemoryFileSystem fs;
  Cp1252Codec codec;
  fs.addDirectory("c:\\windows");
  ProfileFiles files(fs, codec, "c:\\windows\\");
  const std::string bomLike = "\xC3\xAF\xC2\xBB\xC2\xBF";  // U+00EF U+00BB U+00BF
  ReminderProfile p{"90",  "10", bomLike + "Stand up", bomLike, "\xC3\xBF\xC3\xBE.bmp", 0, 1,
                    false, true};
  files.save(p);
  EXPECT_EQ(fs.contents("c:\\windows\\rem3.cfg"), "\xEF\xBB\xBF" + bomLike + "Stand up\r\n");
  EXPECT_EQ(files.load(), p);
  for (std::string text :
       {std::string(" \"quoted\", and more "), std::string("caf\xC3\xA9 \xE2\x82\xAC"),
        std::string("\xD0\xBE\xD0\xBA"), std::string("\xEF\xBB\xBF"),
        std::string("\xC3\xBE\xC3\xBF"), bomLike + bomLike}) {
    p.message = p.sound = p.picture = text;
    files.save(p);
    EXPECT_EQ(files.load(), p) << text;
  }
}

}  // namespace
}  // namespace vl
