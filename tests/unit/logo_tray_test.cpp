#include <gtest/gtest.h>

#include "app/form1.h"
#include "reminder/reminder.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

const std::string kStartupText =
    "The startup logo has been changed and if the image has proper format it will show on next "
    "boot-up.";
const std::string kBackupText =
    "All logo files have been backed up in the root directory as backup(1,2,3).bmp";
const std::string kRestoreText = "All logo files have been restored to last previous state";

struct LogoTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  LogoChanger* logo = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.put("C:\\res.cfg", "0\r\n");  // Low-Res
    sys.put("c:\\logo.sys", "startup logo");
    sys.put("c:\\windows\\logow.sys", "shutdown logo");
    sys.put("c:\\windows\\logos.sys", "turn-off logo");
    sys.put("C:\\PICS\\new.bmp", "new picture");
    // c:\logo.sys is no picture the decoder can read.
    for (const char* p : {"c:\\windows\\logow.sys", "c:\\windows\\logos.sys", "C:\\PICS\\new.bmp"})
      sys.ui.pictures.add(p, 4800, 6000);
    sys.fs.currentDir = "C:\\PICS";
    main = &sys.startMain();
    logo = &main->logo;
  }
  void viewNewPicture() {
    BrowserPage& page = main->imagePage.browser;
    page.pane.file.userSelect(0);
    page.pane.file.userDblClick();
  }
  std::vector<std::string> messages() {
    std::vector<std::string> texts;
    for (const auto& m : sys.ui.messages) texts.push_back(m.title + ": " + m.text);
    sys.ui.messages.clear();
    return texts;
  }
  // The one message shown, with a mark for the warning icon.
  std::string warning() {
    if (sys.ui.messages.size() != 1) return "<" + std::to_string(sys.ui.messages.size()) + ">";
    bool warns = sys.ui.messages[0].icon == MsgIcon::Warning;
    return (warns ? "warning " : "") + messages()[0];
  }
};

TEST_F(LogoTest, OpeningOverTheLowResViewPreviewsTheShutdownLogoAndClosingGivesTheViewBack) {
  EXPECT_EQ(logo->SSPanel10.top(), LogoChanger::kParkedAtStart);
  EXPECT_TRUE(logo->Option4.value());
  viewNewPicture();
  ASSERT_TRUE(main->lowRes.raised());
  ASSERT_TRUE(main->LCM.enabled());
  logo->Option5.userClick();
  main->LCM.userClick();
  EXPECT_TRUE(logo->isOpen());
  EXPECT_FALSE(main->lowRes.Frame17.visible());
  EXPECT_EQ(logo->Image4.pictureSource(), "c:\\windows\\logow.sys");  // whichever option
  logo->Option3.userClick();
  EXPECT_EQ(logo->Image4.pictureSource(), "c:\\windows\\logos.sys");
  logo->Option5.userClick();  // a logo that cannot be read keeps the preview
  EXPECT_EQ(logo->Image4.pictureSource(), "c:\\windows\\logos.sys");
  logo->SSCommand11.userClick();
  EXPECT_EQ(logo->SSPanel10.top(), LogoChanger::kParked);
  EXPECT_TRUE(main->lowRes.Frame17.visible());

  // The Image page's pop-up: the view first, then the changer.
  main->imagePage.browser.item("LC").userClick();
  EXPECT_EQ(main->imagePage.Text1.text(), "C:\\PICS\\new.bmp");
  EXPECT_TRUE(logo->isOpen());
  logo->SSCommand12.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(), "Apply changes to logo file");
  logo->Frame24.userMouseMove();
  EXPECT_EQ(main->StatusBar1.text(), "");
}

TEST_F(LogoTest, TheChangerShowsOnlyOnTheImagePageAndComesBackAsItWasLeft) {
  viewNewPicture();
  main->LCM.userClick();
  logo->Option3.userClick();
  ASSERT_TRUE(logo->SSPanel10.shownOnScreen());
  main->SSTab1.setTab(3);
  EXPECT_FALSE(logo->SSPanel10.shownOnScreen());
  EXPECT_FALSE(main->lowRes.Frame17.shownOnScreen());
  logo->SSCommand12.userClick();  // out of sight, out of reach
  EXPECT_EQ(sys.file("c:\\windows\\logos.sys"), "turn-off logo");
  main->SSTab1.setTab(0);
  EXPECT_TRUE(logo->isOpen());
  EXPECT_TRUE(logo->SSPanel10.shownOnScreen());
  EXPECT_EQ(logo->Option3.value(), 1);
  EXPECT_EQ(logo->Image4.pictureSource(), "c:\\windows\\logos.sys");
  EXPECT_FALSE(main->lowRes.Frame17.visible());  // still put away under the changer

  // Ctrl+L from another page brings the Image page with the changer.
  logo->SSCommand11.userClick();
  main->SSTab1.setTab(2);
  main->LCM.userClick();
  EXPECT_EQ(main->SSTab1.tab(), 0);
  EXPECT_TRUE(logo->SSPanel10.shownOnScreen());
  EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(LogoTest, ApplyReplacesOnlyTheChosenLogoOrKeepsItAndSaysWhy) {
  viewNewPicture();
  main->LCM.userClick();
  logo->Option3.userClick();
  logo->SSCommand12.userClick();
  EXPECT_EQ(sys.file("c:\\windows\\logos.sys"), "new picture");
  EXPECT_EQ(sys.file("c:\\windows\\logow.sys"), "shutdown logo");
  EXPECT_EQ(sys.file("c:\\logo.sys"), "startup logo");
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].title, "Success");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Information);
  EXPECT_NE(sys.ui.messages[0].text.find("turn-off logo has been changed"), std::string::npos);
  messages();

  logo->Option5.userClick();
  logo->SSCommand12.userClick();
  EXPECT_EQ(sys.file("c:\\logo.sys"), "new picture");
  EXPECT_EQ(messages(), std::vector<std::string>{"Success: " + kStartupText});

  // The viewed picture has gone: the installed logo stays, no "Success".
  sys.fs.removeFile("C:\\PICS\\new.bmp");
  logo->Option4.userClick();
  logo->SSCommand12.userClick();
  EXPECT_EQ(sys.file("c:\\windows\\logow.sys"), "shutdown logo");
  EXPECT_EQ(warning(),
            "warning Varilume SE 3.5a: The shutdown logo was not changed. C:\\PICS\\new.bmp does "
            "not exist.");

  // A full disk in the middle of the copy: the old logo is whole.
  sys.put("C:\\PICS\\new.bmp", "new picture");
  sys.fs.freeSpace['C'] = 4;
  logo->SSCommand12.userClick();
  EXPECT_EQ(sys.file("c:\\windows\\logow.sys"), "shutdown logo");
  EXPECT_FALSE(sys.fs.fileExists("c:\\windows\\logow.sys.new"));
  EXPECT_EQ(messages().size(), 1u);
}

// Windows 95 shows only bitmaps: a photo of another format, whatever its
// name, is refused with its name and format, and nothing is written.
TEST_F(LogoTest, APictureOfAnotherFormatIsNoLogo) {
  sys.put("C:\\PICS\\photo.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10));
  sys.put("C:\\PICS\\disguised.bmp", std::string("\x89PNG\r\n\x1A\n", 8));
  for (auto [name, said] : {std::pair{"photo.jpg", "photo.jpg is a JPEG picture"},
                            {"disguised.bmp", "disguised.bmp is a PNG picture"}}) {
    main->imagePage.browser.setCurrentFile(std::string("C:\\PICS\\") + name);
    main->LCM.setEnabled(true);
    main->LCM.userClick();
    logo->Option5.userClick();
    logo->SSCommand12.userClick();
    EXPECT_EQ(sys.file("c:\\logo.sys"), "startup logo");
    EXPECT_EQ(warning(),
              std::string("warning Varilume SE 3.5a: The startup logo was not changed. ") + said +
                  "; Windows 95 shows only BMP logos.");
  }
  EXPECT_FALSE(sys.fs.fileExists("c:\\logo.sys.new"));
}

TEST_F(LogoTest, BackupAndRestoreSaySuccessOnlyWhenEveryCopyWasMade) {
  main->LCM.setEnabled(true);
  main->LCM.userClick();
  logo->SSCommand10.userClick();
  EXPECT_EQ(messages(), std::vector<std::string>{"Success: " + kBackupText});
  EXPECT_EQ(sys.file("c:\\backup2.bmp"), "shutdown logo");
  sys.put("c:\\windows\\logow.sys", "newer shutdown logo");
  logo->SSCommand10.userClick();  // a second backup replaces the first
  EXPECT_EQ(sys.file("c:\\backup2.bmp"), "newer shutdown logo");
  messages();

  // No c:\logo.sys: the others are still backed up, and the box says so.
  sys.fs.removeFile("c:\\logo.sys");
  sys.put("c:\\windows\\logos.sys", "newer turn-off logo");
  logo->SSCommand10.userClick();
  EXPECT_EQ(sys.file("c:\\backup1.bmp"), "startup logo");
  EXPECT_EQ(sys.file("c:\\backup3.bmp"), "newer turn-off logo");
  EXPECT_EQ(warning(),
            "warning Varilume SE 3.5a: Not every logo file was backed up:\nc:\\logo.sys does not "
            "exist.\nThe other two were.");

  sys.put("c:\\windows\\logow.sys", "broken");
  logo->SSCommand5.userClick();
  EXPECT_EQ(sys.file("c:\\logo.sys"), "startup logo");
  EXPECT_EQ(sys.file("c:\\windows\\logow.sys"), "newer shutdown logo");
  EXPECT_EQ(messages(), std::vector<std::string>{"Success: " + kRestoreText});

  // A Windows directory that cannot be written: its logos stay as they were.
  sys.fs.refuseWrite = [](const std::string& p) { return p.rfind("c:\\windows\\", 0) == 0; };
  sys.put("c:\\backup2.bmp", "other");
  logo->SSCommand5.userClick();
  EXPECT_EQ(sys.file("c:\\windows\\logow.sys"), "newer shutdown logo");
  std::string said = warning();
  EXPECT_EQ(said.rfind("warning Varilume SE 3.5a: Not every logo file was restored:\n", 0), 0u);
  EXPECT_NE(said.find("could not be copied to c:\\windows\\logow.sys"), std::string::npos);
  EXPECT_NE(said.find("could not be copied to c:\\windows\\logos.sys"), std::string::npos);
  EXPECT_NE(said.find("\nThe other one was."), std::string::npos);
}

TEST_F(LogoTest, WhenNoCopyCanBeMadeTheWarningNamesEachFileAndClaimsNoOthers) {
  main->LCM.setEnabled(true);
  main->LCM.userClick();
  sys.fs.refuseWrite = [](const std::string& p) { return p.rfind("c:\\backup", 0) == 0; };
  sys.fs.removeFile("c:\\logo.sys");
  logo->SSCommand10.userClick();
  std::string said = warning();
  EXPECT_EQ(said.rfind("warning Varilume SE 3.5a: No logo file was backed up:\n", 0), 0u);
  EXPECT_NE(said.find("c:\\logo.sys does not exist."), std::string::npos);
  EXPECT_NE(said.find("c:\\windows\\logow.sys could not be copied to c:\\backup2.bmp"),
            std::string::npos);
  EXPECT_NE(said.find("c:\\windows\\logos.sys could not be copied to c:\\backup3.bmp"),
            std::string::npos);
  EXPECT_EQ(said.find("other"), std::string::npos);
  for (const char* b : {"c:\\backup1.bmp", "c:\\backup2.bmp", "c:\\backup3.bmp"})
    EXPECT_FALSE(sys.fs.fileExists(b)) << b;

  // Restore without any backup: nothing is restored, and the box says that.
  sys.fs.refuseWrite = [](const std::string&) { return false; };
  logo->SSCommand5.userClick();
  said = warning();
  EXPECT_EQ(said.rfind("warning Varilume SE 3.5a: No logo file was restored:\n", 0), 0u);
  EXPECT_NE(said.find("c:\\backup1.bmp does not exist."), std::string::npos);
  EXPECT_EQ(said.find("other"), std::string::npos);
  EXPECT_EQ(sys.file("c:\\windows\\logow.sys"), "shutdown logo");
}

TEST_F(LogoTest, TrayMessagesMenuAndQuitRemoveTheIconFirst) {
  ASSERT_EQ(sys.tray.calls, std::vector<std::string>{"add pichook Varilume Reminder"});
  Form2& popup = main->popup;
  EXPECT_TRUE(popup.loaded());
  EXPECT_FALSE(popup.visible());
  EXPECT_EQ(popup.text(), "Popup");

  // The hook reports the mouse message as its x position, in twips.
  auto report = [&](int number) { popup.pichook.userMouseMove(number * 15, 0); };
  for (int other : {0x200, 0x201, 0x202, 0x204, 0x206, 0x209, 0x7FFF}) report(other);
  EXPECT_TRUE(sys.ui.popups.empty());
  EXPECT_EQ(sys.ui.frontmost, "");
  report(0x205);
  EXPECT_EQ(sys.ui.popups, std::vector<std::string>{"mnubar"});
  popup.HM.userClick();
  EXPECT_FALSE(main->form.visible());
  report(0x203);  // to the front, still hidden
  EXPECT_EQ(sys.ui.frontmost, "Form1");
  EXPECT_FALSE(main->form.visible());
  popup.SM.userClick();
  EXPECT_TRUE(main->form.visible());

  // The taskbar came back: the icon is added again.
  popup.userTaskbarCreated();
  EXPECT_EQ(sys.tray.calls.back(), "add pichook Varilume Reminder");

  sys.media.devices = {"cdaudio"};
  main->SSTab1.setTab(4);
  main->discPage.SSCommand9.userClick();
  sys.media.commands.clear();
  popup.Q.userClick();
  EXPECT_EQ(sys.tray.calls.back(), "remove pichook");
  EXPECT_EQ(sys.media.commands, std::vector<std::string>{"stop"});
  EXPECT_TRUE(sys.ui.ended);
  EXPECT_FALSE(sys.tray.shown());
}

TEST_F(LogoTest, ADroppedFileOpensAsTheCommandLineWouldAndOthersAreIgnored) {
  sys.putMedia("C:\\M\\ding.wav");
  sys.media.lengths["C:\\M\\ding.wav"] = 1200;
  sys.fs.addDirectory("C:\\folder.bmp");
  ASSERT_TRUE(main->form.acceptsFiles());
  main->form.FilesDropped(
      {"C:\\folder.bmp", "C:\\M\\notes.txt", "C:\\M\\ding.wav", "C:\\PICS\\new.bmp"});
  EXPECT_EQ(main->SSTab1.tab(), 2);
  EXPECT_EQ(main->soundPage.field.text(), "C:\\M\\ding.wav");
  EXPECT_EQ(main->soundPlayer.device.mode(), MediaMode::Playing);
  EXPECT_EQ(main->imagePage.Text1.text(), "");

  main->form.FilesDropped({"C:\\PICS\\new.bmp"});
  EXPECT_EQ(main->SSTab1.tab(), 0);
  EXPECT_EQ(main->imagePage.Text1.text(), "C:\\PICS\\new.bmp");
  main->form.FilesDropped({"C:\\folder.bmp", "C:\\M\\readme.doc"});
  EXPECT_EQ(main->imagePage.Text1.text(), "C:\\PICS\\new.bmp");
  EXPECT_TRUE(sys.ui.messages.empty());
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

// The first-run dialog keeps what was typed; a path without its last "\"
// still addresses files inside the folder, never "c:\windowslogow.sys".
TEST(WindowsPathWithoutBackslash, LogosEditorAndProfileLandInTheFolder) {
  TestSystem sys;
  sys.knowWindowsPath("c:\\windows");
  sys.put("C:\\tip.cfg", "0\r\n");
  sys.put("C:\\res.cfg", "0\r\n");
  sys.put("c:\\windows\\logow.sys", "shutdown logo");
  sys.put("C:\\PICS\\new.bmp", "new picture");
  sys.ui.pictures.add("C:\\PICS\\new.bmp", 4800, 6000);
  sys.ui.pictures.add("c:\\windows\\logow.sys", 4800, 6000);
  sys.fs.currentDir = "C:\\PICS";
  auto& main = sys.startMain();

  main.imagePage.browser.pane.file.userSelect(0);
  main.imagePage.browser.pane.file.userDblClick();
  main.LCM.userClick();
  main.logo.SSCommand12.userClick();  // the shutdown logo, chosen at first
  EXPECT_EQ(sys.file("c:\\windows\\logow.sys"), "new picture");
  EXPECT_FALSE(sys.fs.fileExists("c:\\windowslogow.sys"));

  main.Contents.userClick();
  ASSERT_EQ(sys.launcher.launches.size(), 1u);
  EXPECT_EQ(sys.launcher.launches[0].program, "c:\\windows\\notepad.exe");

  main.RS.userClick();
  sys.app->reminder()->properties()->SSCommand3.userClick();  // Hide saves the profile
  EXPECT_TRUE(sys.fs.fileExists("c:\\windows\\rem1.cfg"));
  EXPECT_FALSE(sys.fs.fileExists("c:\\windowsrem1.cfg"));
}

}  // namespace
}  // namespace vl
